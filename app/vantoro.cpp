// Vantoro: the game. The save slot is in the working folder, or with
// --data-home in the player's data folder (how the installed game starts).

#include <cstdio>
#include <filesystem>
#include <future>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "app/game.hpp"
#include "app/program_support.hpp"
#include "app/replay.hpp"
#include "state/version.hpp"
#include "ui/pictures.hpp"
#include "ui/screen_set.hpp"
#include "ui/sdl_platform.hpp"
#include "ui/session_tape.hpp"

namespace {

constexpr std::string_view kHelp = R"(Usage: vantoro [--data-home] [--replay FILE] [--help | --version]

Vantoro is a management game about a paintball team, played with the mouse
in one window. It keeps its save slot (savefilex.dat and savefiley.dat) in
the folder it is started in. Each session is recorded in replays/ in the
player's data folder (the last ten are kept), so that it can be played
back exactly: attach the last one to a bug report.

  --data-home  keep the save slot in $XDG_DATA_HOME/vantoro instead, which is
               ~/.local/share/vantoro when XDG_DATA_HOME is not set (made when
               missing); the installed vantoro command always does
  --replay FILE
               play a recorded session back in the window at the speed it
               was played (presses are ignored; closing the window ends it);
               what it saves goes to a scratch folder, never to a slot
  --help       show this help and exit
  --version    show the version and exit
)";

}  // namespace

int main(int argc, char** argv) {
  using namespace vantoro;
  bool dataHome = false;
  std::string replay;
  for (int i = 1; i < argc; ++i) {
    const std::string_view option = argv[i];
    if (option == "--replay" && i + 1 < argc) {
      replay = argv[++i];
      continue;
    }
    if (option == "--help" || option == "-h") {
      std::fputs(kHelp.data(), stdout);
      return 0;
    }
    if (option == "--version") {
      std::printf("vantoro %s\n", kVersion);
      return 0;
    }
    if (option != "--data-home") {
      std::fprintf(stderr, "vantoro: unknown option '%s' (try vantoro --help)\n", argv[i]);
      return 2;
    }
    dataHome = true;
  }
  std::optional<SdlStartEnvironment> environment(std::in_place);  // before any thread starts
  // The program's own path before the working folder changes: the pictures
  // are found beside it.
  const std::string self = ExecutablePath(argv[0]).string();
  // What stops the game before it starts is told in the window once it is
  // open, where a player started from the menu sees it.
  std::string folderError;
  FolderLock lock;
  TapePlayer tape;
  std::optional<ScratchFolder> scratch;
  if (!replay.empty()) {
    // A playback saves nowhere that a player's game is.
    std::string bytes;
    if (ReadRecording(replay, bytes, folderError) && tape.Load(std::move(bytes), replay, folderError))
      scratch.emplace();
  } else if (!dataHome || EnterPlayerDataFolder(folderError)) {
    lock.Take(std::filesystem::current_path(), folderError);
  }
  PictureSet pictures;
  PictureOpening opening(pictures, self.c_str());
  std::string error;
  try {
    // The fonts load and the pictures are read while the window opens; a
    // missing or damaged picture is the more useful message of two, since
    // without it the player would mend the display only to meet the
    // picture next.
    auto loading = std::async(std::launch::async, [] { return std::make_unique<FontLibrary>(); });
    SdlPlatform platform;
    const bool shown = platform.Open(error);
    const std::unique_ptr<FontLibrary> fonts = loading.get();
    const Font* noticeFont = &fonts->Get("Arial", FontSize::Points(10));
    std::string pictureError;
    const bool opened = opening.Wait(pictureError) && (shown || pictures.Finish(pictureError));
    const std::string& stop = !folderError.empty() ? folderError : !opened ? pictureError : error;
    if (!folderError.empty() || !opened || !shown) {
      if (shown) {
        platform.ShowFatal(kApplicationTitle, stop, noticeFont);
      } else {
        ShowStartupError(kApplicationTitle, stop);
      }
      return 1;
    }
    environment.reset();  // every thread SDL's start overlapped has ended
    platform.SetIcon(pictures.Get(PictureId::Icon));
    auto state = std::make_unique<GameState>();
    if (scratch) {
      Game game(*state, platform, *fonts, pictures, scratch->Path(), tape.Files(scratch->Path()));
      game.Screens().SetTape(&tape);
      std::string failure;
      const int status = platform.Replay(game.Screens(), tape, *state, failure);
      // A recording that differs or is damaged is told as any other error.
      if (status != 0 && !failure.empty()) platform.ShowFatal(kApplicationTitle, failure, noticeFont);
      return status;
    }
    TapeRecorder recorder(*state, RealFileOps());
    std::string noData;
    if (const auto data = PlayerDataFolder(noData)) {
      recorder.Open(*data / "replays");
    } else {
      std::fprintf(stderr, "Vantoro: not recording this session: %s\n", noData.c_str());
    }
    Game game(*state, platform, *fonts, pictures, std::filesystem::current_path(), recorder.Files());
    game.Screens().SetTape(&recorder);
    const int status = platform.Run(game.Screens());
    recorder.Finish();
    return status;
  } catch (const std::exception& e) {
    ShowStartupError(kApplicationTitle, opening.Wait(error) ? e.what() : error);
    return 1;
  }
}
