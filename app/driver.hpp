#pragma once
// The headless driver: runs the real game on the headless platform under a
// virtual clock and executes a script, one command a line.

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

#include "app/game.hpp"
#include "ui/headless_platform.hpp"
#include "ui/session_tape.hpp"

namespace vantoro {

// The state as the driver's dump shows it: the screen, the clock, the
// generator and every field, as JSON.
std::string DumpState(const ScreenSet& screens, const GameState& state);

class Driver {
 public:
  // The game starts on the title screen at virtual time 0; with `record`,
  // the session is recorded in memory from its start.
  Driver(FontLibrary& fonts, PictureSet& pictures, std::filesystem::path saveFolder, bool record = false);

  // The recording so far, ended with the state's hash (with `record`).
  std::string FinishRecording();

  // Runs one line; false with the reason when it is malformed or an
  // expectation fails.
  bool Execute(std::string_view line, std::string& error);
  // Runs a whole script; on the first failure prints "line N: reason" to err
  // and returns 1, otherwise 0.
  int Run(std::istream& script, std::ostream& err);

  // Script commands, also for tests.
  void Wait(std::int64_t ms);
  void PressFrame(int x, int y);
  void PressWindow(int x, int y);
  void Close() { game_.Screens().CloseVisible(); }

  GameState& State() { return *state_; }
  HeadlessPlatform& Platform() { return platform_; }
  ScreenSet& Screens() { return game_.Screens(); }
  std::string VisibleScreenName() const;
  std::string DumpJson() const;

 private:
  std::unique_ptr<GameState> state_;
  std::unique_ptr<TapeRecorder> recorder_;
  HeadlessPlatform platform_;
  Game game_;
};

}  // namespace vantoro
