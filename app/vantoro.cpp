// Vantoro: the game. No command line, no configuration; the save slot is in
// the working directory.

#include <filesystem>
#include <memory>
#include <stdexcept>

#include "app/game.hpp"
#include "app/program_support.hpp"
#include "ui/pictures.hpp"
#include "ui/screen_set.hpp"
#include "ui/sdl_platform.hpp"

int main(int, char** argv) {
  using namespace vantoro;
  PictureSet pictures;
  std::string error;
  if (!OpenPictures(pictures, argv[0], error)) {
    ShowStartupError(kApplicationTitle, error);
    return 1;
  }
  try {
    FontLibrary fonts;
    SdlPlatform platform;
    if (!platform.Open(&pictures.Get(PictureId::Icon), error)) {
      // A damaged picture is the more useful message of the two: without it
      // the player would mend the display only to meet the picture next.
      pictures.Finish(error);
      ShowStartupError(kApplicationTitle, error);
      return 1;
    }
    auto state = std::make_unique<GameState>();
    Game game(*state, platform, fonts, pictures, std::filesystem::current_path());
    platform.Run(game.Screens());
  } catch (const std::exception& e) {
    ShowStartupError(kApplicationTitle, e.what());
    return 1;
  }
  return 0;
}
