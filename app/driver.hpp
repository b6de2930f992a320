#pragma once
// The headless driver: runs the real game on the headless platform under a
// virtual clock and executes a script, one command a line.

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

#include "app/game.hpp"
#include "ui/headless_platform.hpp"
#include "ui/session_tape.hpp"

namespace vantoro {

// One line of a script, split and checked but not yet run. The views
// point into the line.
struct ScriptLine {
  enum class Kind {
    Empty,  // blank, or only a comment
    Client,
    Wait,
    Press,
    PressWindow,
    Close,
    MessageBoxes,
    Seed,
    Set,
    Expect,
    ExpectScreen,
    Screenshot,
    Dump
  };
  Kind What = Kind::Empty;
  std::int64_t A = 0, B = 0;  // the numbers, clamped where the command says
  std::string_view Name;      // set and expect: the field
  std::string_view Rest;      // what follows the command (or the field)
};

// Splits and checks one line: false with the reason when it is malformed.
// Nothing here touches a game, so hostile scripts are checked quickly.
bool ParseScriptLine(std::string_view line, ScriptLine& out, std::string& error);

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
