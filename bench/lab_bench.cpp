// The lab's games: a new game's squad against its first opponent, each game
// seeded from its index as a tactics run seeds them, on one core; and a
// whole league run by the scripted manager.

#include <benchmark/benchmark.h>

#include "app/lab/lab.hpp"

namespace vantoro::lab {
namespace {

void BM_LabMatches(benchmark::State& bench) {
  const GameState start = NewGame(0);
  MatchSetup setup;
  setup.Weather = static_cast<int>(bench.range(0));
  std::uint64_t index = 0;
  GameState state;
  for (auto _ : bench) {
    state = start;
    setup.Seed = GameSeed(1, index++);
    PlayOne(state, setup);
    benchmark::DoNotOptimize(state.Runtime.OwnFinalScore);
  }
  bench.SetItemsProcessed(static_cast<std::int64_t>(bench.iterations()));
  bench.SetLabel("matches");
}
BENCHMARK(BM_LabMatches)->ArgName("weather")->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

void BM_LabLeague(benchmark::State& bench) {
  std::uint32_t index = 0;
  for (auto _ : bench) {
    const LeagueOutcome outcome = PlayLeague(GameSeed(1, index++), 5, Policy{});
    benchmark::DoNotOptimize(outcome.Months);
  }
  bench.SetItemsProcessed(static_cast<std::int64_t>(bench.iterations()));
  bench.SetLabel("leagues");
}
BENCHMARK(BM_LabLeague)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vantoro::lab
