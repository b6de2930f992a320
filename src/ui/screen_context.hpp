#pragma once
// What every screen works with: the game, the other screens, the fonts and
// the artwork, and the folder of the save slot.

#include <filesystem>

#include "state/file_ops.hpp"
#include "state/game_state.hpp"
#include "ui/font.hpp"
#include "ui/pictures.hpp"
#include "ui/screen_set.hpp"
#include "ui/widgets.hpp"

namespace vantoro {

struct ScreenContext {
  GameState& State;
  ScreenSet& Screens;
  FontLibrary& Fonts;
  const PictureSet& Pictures;
  std::filesystem::path SaveFolder;
  // The save slot's file calls: the system's, or a recording's.
  FileOps& Files;
};

}  // namespace vantoro
