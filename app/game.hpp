#pragma once
// The game's screens, created in their order and wired to one game state:
// what the player's program and the headless driver both run.

#include <filesystem>

#include "ui/screen_context.hpp"
#include "ui/screen_set.hpp"

namespace vantoro {

class Game {
 public:
  Game(GameState& state, Platform& platform, FontLibrary& fonts, PictureSet& pictures,
       std::filesystem::path saveFolder);
  ScreenSet& Screens() { return screens_; }
  const ScreenSet& Screens() const { return screens_; }

 private:
  ScreenSet screens_;
};

}  // namespace vantoro
