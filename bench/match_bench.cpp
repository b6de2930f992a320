// A whole tournament game (19 event steps, 570 shot steps, the log written),
// with the sight table the game uses and with the walk it is built from.

#include <benchmark/benchmark.h>

#include <stdexcept>

#include "sim/match.hpp"
#include "sim/result.hpp"

namespace vantoro {
namespace {

// Two teams of long-range markers that stay out of each other's way long
// enough for a full game.
GameState Teams() {
  GameState state;
  state.Team.Paintballs = 5000;
  state.Team.Month = 2;
  state.Team.Year = 2000;
  for (int p = 1; p <= kSquadSize; ++p) {
    state.Team.PlayerName[p] = "Player";
    state.Team.PlayerMarkerType[p] = 6;
    state.Team.PlayerMarkerCondition[p] = 100;
    state.Team.PlayerSpeed[p] = 12;
    state.Team.PlayerAgility[p] = 20;
    state.Team.PlayerStamina[p] = 14;
    state.Team.PlayerAccuracy[p] = 12;
    OppositionTeam& other = state.League[1];
    other.PlayerMarkerType[p] = 6;
    other.PlayerSpeed[p] = 12;
    other.PlayerAgility[p] = 20;
    other.PlayerStamina[p] = 14;
    other.PlayerAccuracy[p] = 12;
  }
  state.Runtime.MatchOpponent = 1;
  state.Runtime.Weather = 1;
  for (Role role : {Role::Flank, Role::Support, Role::Forward, Role::Leader})
    OwnTactic(state.Runtime, role) = 2;
  return state;
}

void Play(GameState& state, SightTest sight) {
  state.Rng.Seed = 12345;
  ClearMatchLog(state);
  Kickoff(state);
  for (int frame = 1; frame <= 19 * 30; ++frame) {
    ShotStep(state, sight);
    if (frame % 30 == 0 && EventStep(state)) break;
  }
  ScoreGame(state);
}

void BM_WholeMatch(benchmark::State& bench) {
  const SightTest sight = bench.range(0) == 0 ? TableSight : WalkedSight;
  {
    GameState table = Teams(), walked = Teams();
    Play(table, TableSight);
    Play(walked, WalkedSight);
    for (int i = 1; i <= 600; ++i) {
      if (table.Runtime.MatchLog[i] != walked.Runtime.MatchLog[i])
        throw std::logic_error("the sight table and the walk play different games");
    }
    if (table.Runtime.MatchLogCount < 100) throw std::logic_error("the game ended too soon to measure");
  }
  const GameState start = Teams();
  for (auto _ : bench) {
    GameState state = start;
    Play(state, sight);
    benchmark::DoNotOptimize(state.Runtime.OwnFinalScore);
  }
}
BENCHMARK(BM_WholeMatch)->ArgName("walk")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vantoro
