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
  std::string error;
  if (!OpenPictures(pictures, argv[0], error)) {
    std::cerr << kApplicationTitle << ": " << error << '\n';
    return 1;
  }
  try {
    FontLibrary fonts;
    Driver driver(fonts, pictures, std::filesystem::current_path());
    const std::string script = argv[1];
    if (script == "-") return driver.Run(std::cin, std::cerr);
    std::ifstream in(script);
    if (!in) {
      std::cerr << script << ": cannot open the script\n";
      return 2;
    }
    return driver.Run(in, std::cerr);
  } catch (const std::exception& e) {
    std::cerr << kApplicationTitle << ": " << e.what() << '\n';
    return 1;
  }
}
