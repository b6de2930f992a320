#pragma once
// The end of a month: the calendar, the month's income and costs, chance
// events, the tournament's outcome, the league round and the share market,
// with the list of what happened. Rules only: nothing here draws.

#include <string>
#include <string_view>
#include <utility>

#include "sim/calendar.hpp"
#include "state/game_state.hpp"

namespace vantoro {

// The month's event list with its line cursor. Lines past the 30th are
// dropped: the list never writes beyond its slots.
class MonthList {
 public:
  explicit MonthList(Texts30& lines) : lines_(lines) {}
  // Empties all 30 lines and puts the cursor back on line 1.
  void Clear();
  void NextLine() { ++cursor_; }
  void SkipLine() { cursor_ += 2; }
  // Writes at the cursor (without moving it).
  void Write(std::string text);
  int Cursor() const { return cursor_; }

  // A new entry: one blank line sets it apart from what came before.
  void WriteAfterBlank(std::string text) {
    SkipLine();
    Write(std::move(text));
  }
  // The next line of the same entry.
  void WriteNext(std::string text) {
    NextLine();
    Write(std::move(text));
  }

 private:
  Texts30& lines_;
  int cursor_ = 1;
};

// The whole month's processing, in order, writing Runtime.MonthLines.
void ProcessMonth(GameState& state);
// The month end runs once, on the first tick of its screen; later ticks
// only show it.
void ProcessMonthOnce(GameState& state);

// Every frame of the month's list the team may break up: the lower its
// morale, the likelier. True when it does.
bool BreakupRoll(GameState& state);

// Parts of the processing, for tests.
void YearlyOppositionDevelopment(GameState& state);
void TournamentOppositionDevelopment(GameState& state);
void LeagueRound(GameState& state);
void MoveShareMarket(GameState& state);
void MonthlyChanceEvents(GameState& state, MonthList& list);

// The four chance events one by one, each as it happens once its own roll
// has come up. A table row e outside 1..18 is no event.
void ApplyTableEvent(GameState& state, MonthList& list, Int e);
void PlayerLeaves(GameState& state, MonthList& list);
void Burglary(GameState& state, MonthList& list);
void VehicleTheft(GameState& state, MonthList& list);

}  // namespace vantoro
