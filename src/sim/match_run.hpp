#pragma once
// A whole tournament game without its screens: from PLAY to the score
// sheet and the verdict, the steps in the order the match screen's ticks
// run them. The match screen itself runs the same steps one tick at a time.

#include "sim/match.hpp"
#include "state/game_state.hpp"

namespace vantoro {

// The frames of a game: one shot step every 50 ms, the event step after
// every 30th, until the whistle.
inline constexpr int kFramesPerEventStep = 30;
// The clock starts at 20 and the whistle blows once it is below 2.
inline constexpr int kMaxEventSteps = kKickoffClock - 1;

// What the rest of the program draws from the generator while a game runs.
// The title screen's tick draws one number every 25 ms, hidden or not, so
// the real game draws two between frames and two before the result screen's
// first tick; a simulation without the program around it draws none.
struct MatchPace {
  int DrawsPerFrame = 0;
  SightTest Sight = TableSight;
};

// From the kickoff already made by PLAY: every frame and event step, then
// the score sheet and the verdict. Returns the number of event steps.
int PlayOut(GameState& state, const MatchPace& pace = {});

// The line-up's work and PLAY, then PlayOut: the round's opponent (unless
// MatchOpponent is already set), a clean log and fresh legs, the kickoff.
int PlayMatch(GameState& state, const MatchPace& pace = {});

}  // namespace vantoro
