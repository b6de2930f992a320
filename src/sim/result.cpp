#include "sim/result.hpp"

#include "sim/match.hpp"
#include "sim/turn_actions.hpp"

namespace vantoro {
namespace {

constexpr const char* kSheetRule = "======================================================";

// One chance in a hundred each of a 5, 10, 15 or 20 point penalty.
Int Penalty(GameState& state) {
  const Int r = state.Random(100);
  return r + 1 < 5 ? (r + 1) * 5 : Int(0);
}

}  // namespace

void ScoreGame(GameState& state) {
  RuntimeState& r = state.Runtime;
  if (r.ResultComputed != 0) return;
  r.ResultComputed = 1;
  for (Int* v : {&r.OwnTagPoints, &r.OppTagPoints, &r.OwnPullPoints, &r.OppPullPoints, &r.OwnHangPoints,
                 &r.OppHangPoints, &r.OwnPenalty, &r.OppPenalty, &r.OwnFinalScore, &r.OppositionFinalScore,
                 &r.MatchOutcome, &r.TrophyKind})
    *v = 0;
  AppendLog(state, kSheetRule);
  int ownOut = 0, oppOut = 0;
  for (int p = 1; p <= kSquadSize; ++p) {
    if (r.PlayerCell[p] == 0) {
      r.OppTagPoints += 5;
      ++ownOut;
    }
    if (r.FirstFlagGrabber == p) {
      r.OwnPullPoints += 20;
      AppendLog(state, "First Flag Pull Awarded.");
    }
  }
  if (ownOut == kSquadSize) r.OppTagPoints += 10;
  for (int q = 1; q <= kSquadSize; ++q) {
    if (r.PlayerCell[q + kSquadSize] == 0) {
      r.OwnTagPoints += 5;
      ++oppOut;
    }
    if (r.FirstFlagGrabber == q + kSquadSize) r.OppPullPoints += 20;
  }
  if (oppOut == kSquadSize) {
    r.OwnTagPoints += 10;
    AppendLog(state, "10 Point \"Max Tag\" Bonus Awarded.");
  }
  if (r.FlagHungBy == 1) {
    r.OwnHangPoints += 35;
    AppendLog(state, "Flag Hang Awarded.");
  }
  if (r.FlagHungBy == 2) r.OppHangPoints += 35;
  r.OppositionFinalScore = r.OppTagPoints + r.OppPullPoints + r.OppHangPoints;
  r.OwnFinalScore = r.OwnTagPoints + r.OwnPullPoints + r.OwnHangPoints;

  r.OwnPenalty = Penalty(state);
  if (r.OwnPenalty > 0)
    AppendLog(state, "You acquired a chronograph penalty of: " + r.OwnPenalty.Str() + " points.");
  r.OwnFinalScore -= r.OwnPenalty;
  AppendLog(state, "Your Final Score: " + r.OwnFinalScore.Str() + " points.");
  r.OppPenalty = Penalty(state);
  if (r.OppPenalty > 0)
    AppendLog(state, "Opposition acquired a chronograph penalty of: " + r.OppPenalty.Str() + " points.");
  r.OppositionFinalScore -= r.OppPenalty;
  AppendLog(state, "Opposition Final Score: " + r.OppositionFinalScore.Str() + " points.");
  AppendLog(state, kSheetRule);
}

Int DecideOutcome(GameState& state) {
  RuntimeState& r = state.Runtime;
  if (r.OwnFinalScore > r.OppositionFinalScore) r.MatchOutcome = 1;
  if (r.OwnFinalScore < r.OppositionFinalScore) r.MatchOutcome = 2;
  if (r.OwnFinalScore == r.OppositionFinalScore) r.MatchOutcome = 3;
  if (r.TrophyKind == 0) r.TrophyKind = state.Random(4) + 1;
  return r.MatchOutcome;
}

bool ConfirmResult(GameState& state) {
  RuntimeState& r = state.Runtime;
  if (r.ResultStage == 1) {
    EndTurn(state);
    return true;
  }
  if (r.ResultStage == 0) r.ResultStage = 1;
  return false;
}

}  // namespace vantoro
