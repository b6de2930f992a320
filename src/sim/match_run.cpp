#include "sim/match_run.hpp"

#include "sim/pregame_actions.hpp"
#include "sim/result.hpp"

namespace vantoro {
namespace {

void OtherTicks(GameState& state, int draws) {
  for (int i = 0; i < draws; ++i) state.Random(100);
}

}  // namespace

int PlayOut(GameState& state, const MatchPace& pace) {
  int events = 0;
  // A damaged clock could hold the whistle back for ever; the game's own
  // clock never runs longer than this.
  constexpr int kFrameLimit = (kMaxEventSteps + 1) * kFramesPerEventStep;
  ShotResult shots;
  for (int frame = 1; frame <= kFrameLimit; ++frame) {
    OtherTicks(state, pace.DrawsPerFrame);
    ShotStep(state, shots, pace.Sight);
    if (frame % kFramesPerEventStep != 0) continue;
    ++events;
    if (EventStep(state)) break;
  }
  OtherTicks(state, pace.DrawsPerFrame);
  ScoreGame(state);
  DecideOutcome(state);
  return events;
}

int PlayMatch(GameState& state, const MatchPace& pace) {
  MeetOpponent(state);
  ResetForKickoff(state);
  Play(state);
  return PlayOut(state, pace);
}

}  // namespace vantoro
