#pragma once
// What every screen works with: the game, the other screens, the fonts and
// the artwork, and the folder of the save slot.

#include <filesystem>

#include "state/game_state.hpp"
#include "ui/font.hpp"
#include "ui/pictures.hpp"
#include "ui/screen_set.hpp"

namespace vantoro {

struct ScreenContext {
  GameState& State;
  ScreenSet& Screens;
  FontLibrary& Fonts;
  const PictureSet& Pictures;
  std::filesystem::path SaveFolder;
};

// An area of the frame that takes presses, bounds inclusive.
struct PressArea {
  int Left, Right, Top, Bottom;
  constexpr bool Contains(int x, int y) const { return x >= Left && x <= Right && y >= Top && y <= Bottom; }
};

}  // namespace vantoro
