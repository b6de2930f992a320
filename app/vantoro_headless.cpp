// vantoro-headless SCRIPT: runs the real game without a window under a
// virtual clock, one script command a line ('-' reads standard input). The
// save slot is the working directory, as for the game.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string_view>

#include "app/driver.hpp"
#include "app/program_support.hpp"
#include "state/version.hpp"

namespace {

constexpr std::string_view kUsage = R"(usage: vantoro-headless SCRIPT
       vantoro-headless --help | --version

Runs the real game without a window under a virtual clock, one command a
line from SCRIPT ('-' reads standard input); text after # is a comment.
The save slot is the working directory.

  client W H            the window's client size
  wait MS               let that much game time pass, tick by tick
  press X Y             press the mouse at a frame point
  press-window X Y      ... or at a window point
  close                 close the visible screen's window (on the title
                        screen this ends the game and the script, status 0)
  message-boxes fail|open  whether a message box can open
  seed N                the random number generator's seed
  set NAME VALUE        set a field of the game state
  expect NAME VALUE     stop with an error unless the field has that value
  expect-screen NAME    stop with an error unless that screen is visible
  screenshot FILE       the last presented frame as a PNG file
  dump [FILE]           the game state as JSON

Exit status: 0 every command succeeded; 1 one failed or the pictures could
not be loaded; 2 bad usage or a script that cannot be read.
)";

}  // namespace

int main(int argc, char** argv) {
  using namespace vantoro;
  const std::string_view first = argc > 1 ? argv[1] : "";
  if (argc == 2 && (first == "--help" || first == "-h")) {
    std::cout << kUsage;
    return 0;
  }
  if (argc == 2 && first == "--version") {
    std::cout << "vantoro-headless " << kVersion << '\n';
    return 0;
  }
  // Checked before anything loads: a mistyped option is not a script.
  if (argc != 2 || (first.size() > 1 && first.starts_with('-'))) {
    std::cerr << "vantoro-headless: "
              << (argc != 2 ? "expected one script" : "unknown option '" + std::string(first) + "'")
              << "\nTry 'vantoro-headless --help'.\n";
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
