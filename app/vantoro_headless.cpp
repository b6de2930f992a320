// vantoro-headless SCRIPT: runs the real game without a window under a
// virtual clock, one script command a line ('-' reads standard input). The
// save slot is the working directory, as for the game.

#include <charconv>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string_view>

#include "app/driver.hpp"
#include "app/program_support.hpp"
#include "app/replay.hpp"
#include "state/version.hpp"

namespace {

constexpr std::string_view kUsage = R"(usage: vantoro-headless [--record FILE] SCRIPT
       vantoro-headless --replay FILE [--screenshot-at MS PNG]... [--dump JSON]
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

--record FILE writes the session as a recording, as the game records its
own (set and seed change the game from outside the session: a recording
of a script that uses them does not play back).

--replay FILE plays a recording back at full speed and checks it as it
goes: it stops at the first event where the game differs from the
recording, or where the file is damaged. The slot the session loaded comes
from the recording; what it saved is written to the working directory.
--screenshot-at writes the frame shown MS after the session's start,
--dump the state at the end.

Exit status: 0 every command succeeded, or the recording played back
exactly; 1 one failed, the game differed from the recording, or the
pictures could not be loaded; 2 bad usage or a script that cannot be read.
)";

int Usage(const std::string& what) {
  std::cerr << "vantoro-headless: " << what << "\nTry 'vantoro-headless --help'.\n";
  return 2;
}

bool Number(std::string_view text, std::int64_t& out) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && end == text.data() + text.size() && out >= 0;
}

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
  std::string record, replay, script;
  vantoro::ReplayOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const bool more = i + 1 < argc;
    if (arg == "--record" && more) {
      record = argv[++i];
    } else if (arg == "--replay" && more) {
      replay = argv[++i];
    } else if (arg == "--dump" && more) {
      options.Dump = argv[++i];
    } else if (arg == "--screenshot-at" && i + 2 < argc) {
      std::int64_t ms = 0;
      if (!Number(argv[i + 1], ms))
        return Usage("--screenshot-at wants a moment in ms, not '" + std::string(argv[i + 1]) + "'");
      options.Screenshots.emplace_back(ms, argv[i + 2]);
      i += 2;
    } else if (arg.size() > 1 && arg.starts_with('-')) {
      return Usage("unknown option, or one without its value: '" + std::string(arg) + "'");
    } else if (script.empty()) {
      script = arg;
    } else {
      return Usage("expected one script");
    }
  }
  if (replay.empty() == script.empty())
    return Usage(replay.empty() ? "expected one script" : "a replay takes no script");
  if (replay.empty() && (!options.Dump.empty() || !options.Screenshots.empty()))
    return Usage("--dump and --screenshot-at go with --replay (a script has its own)");
  if (!replay.empty() && !record.empty()) return Usage("a replay is not recorded again");
  PictureSet pictures;
  PictureOpening opening(pictures, argv[0]);
  std::string error;
  try {
    // Made while the pictures are read: the first tick is the first to
    // draw one.
    FontLibrary fonts;
    if (!replay.empty()) {
      std::string recording;
      if (!opening.Wait(error) || !ReadRecording(replay, recording, error)) {
        std::cerr << kApplicationTitle << ": " << error << '\n';
        return 1;
      }
      // What the session saved must overwrite nobody's game.
      std::error_code ec;
      std::string none;
      const auto data = PlayerDataFolder(none);
      if (data && std::filesystem::equivalent(*data, std::filesystem::current_path(), ec)) {
        std::cerr
            << "vantoro-headless: " << data->string()
            << " is the player's data folder, which a playback would save over: run it in another folder\n";
        return 2;
      }
      return PlayBack(recording, replay, fonts, pictures, std::filesystem::current_path(), options,
                      std::cerr);
    }
    // The game draws its title as it is made, so the set must be open
    // first: made earlier, it would read pictures that the opening thread
    // is still putting in place.
    if (!opening.Wait(error)) {
      std::cerr << kApplicationTitle << ": " << error << '\n';
      return 1;
    }
    Driver driver(fonts, pictures, std::filesystem::current_path(), !record.empty());
    int status = 0;
    if (script == "-") {
      status = driver.Run(std::cin, std::cerr);
    } else {
      std::ifstream in(script);
      if (!in) {
        std::cerr << script << ": cannot open the script\n";
        return 2;
      }
      status = driver.Run(in, std::cerr);
    }
    if (!record.empty()) {
      std::ofstream out(record, std::ios::binary);
      out << driver.FinishRecording();
      if (!out.flush()) {
        std::cerr << record << ": cannot write the recording\n";
        return 1;
      }
    }
    return status;
  } catch (const std::exception& e) {
    // A missing picture is the more useful message of the two.
    std::cerr << kApplicationTitle << ": " << (opening.Wait(error) ? e.what() : error) << '\n';
    return 1;
  }
}
