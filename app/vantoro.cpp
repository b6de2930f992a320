// Vantoro: the game. No command line, no configuration; the save slot is in
// the working directory.

#include <filesystem>
#include <future>
#include <memory>
#include <optional>
#include <stdexcept>

#include "app/game.hpp"
#include "app/program_support.hpp"
#include "ui/pictures.hpp"
#include "ui/screen_set.hpp"
#include "ui/sdl_platform.hpp"

int main(int, char** argv) {
  using namespace vantoro;
  std::optional<SdlStartEnvironment> environment(std::in_place);  // before any thread starts
  PictureSet pictures;
  PictureOpening opening(pictures, argv[0]);
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
    std::string pictureError;
    if (!opening.Wait(pictureError) || (!shown && !pictures.Finish(pictureError))) {
      ShowStartupError(kApplicationTitle, pictureError);
      return 1;
    }
    if (!shown) {
      ShowStartupError(kApplicationTitle, error);
      return 1;
    }
    environment.reset();  // every thread SDL's start overlapped has ended
    platform.SetIcon(pictures.Get(PictureId::Icon));
    auto state = std::make_unique<GameState>();
    Game game(*state, platform, *fonts, pictures, std::filesystem::current_path());
    platform.Run(game.Screens());
  } catch (const std::exception& e) {
    ShowStartupError(kApplicationTitle, opening.Wait(error) ? e.what() : error);
    return 1;
  }
  return 0;
}
