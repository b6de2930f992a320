#pragma once
// The game's screens, created in their order and wired to one game state:
// what the player's program and the headless driver both run.

#include <filesystem>

#include "state/file_ops.hpp"
#include "ui/screen_context.hpp"
#include "ui/screen_set.hpp"

namespace vantoro {

class Game {
 public:
  // The save slot is read and written with `files` (a recording's, say).
  Game(GameState& state, Platform& platform, FontLibrary& fonts, PictureSet& pictures,
       std::filesystem::path saveFolder, FileOps& files = RealFileOps());
  ScreenSet& Screens() { return screens_; }
  const ScreenSet& Screens() const { return screens_; }

 private:
  ScreenSet screens_;
};

}  // namespace vantoro
