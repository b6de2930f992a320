// vantoro-headless SCRIPT: runs the real game without a window under a
// virtual clock, one script command a line ('-' reads standard input). The
// save slot is the working directory, as for the game.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>

#include "app/driver.hpp"
#include "app/program_support.hpp"

int main(int argc, char** argv) {
  using namespace vantoro;
  if (argc != 2) {
    std::cerr << "usage: vantoro-headless SCRIPT   (- for standard input)\n";
    return 2;
  }
  PictureSet pictures;
  PictureOpening opening(pictures, argv[0]);
  std::string error;
  try {
    // Made while the pictures are read: the first tick is the first to
    // draw one.
    FontLibrary fonts;
    Driver driver(fonts, pictures, std::filesystem::current_path());
    if (!opening.Wait(error)) {
      std::cerr << kApplicationTitle << ": " << error << '\n';
      return 1;
    }
    const std::string script = argv[1];
    if (script == "-") return driver.Run(std::cin, std::cerr);
    std::ifstream in(script);
    if (!in) {
      std::cerr << script << ": cannot open the script\n";
      return 2;
    }
    return driver.Run(in, std::cerr);
  } catch (const std::exception& e) {
    // A missing picture is the more useful message of the two.
    std::cerr << kApplicationTitle << ": " << (opening.Wait(error) ? e.what() : error) << '\n';
    return 1;
  }
}
