#include <benchmark/benchmark.h>

#include <memory>

#include "sim/month.hpp"
#include "sim/new_game.hpp"
#include "text/generators.hpp"

namespace vantoro {
namespace {

// A league as a player starts it: a new game and a squad rolled the way team
// creation rolls one, then left at the given month with a game just won.
std::unique_ptr<GameState> LeagueAt(int month) {
  auto game = std::make_unique<GameState>();
  game->Rng.Seed = 20240601U;
  NewGameSetup(*game);
  TeamRecord& team = game->Team;
  for (int p = 1; p <= kSquadSize; ++p) {
    team.PlayerName[p] = MakePersonName(*game);
    team.PlayerGender[p] = game->Runtime.NameGender;
    team.PlayerPortrait[p] = game->Random(8) + 1;
    team.PlayerOccupation[p] = MakeOccupation(*game);
    team.PlayerSpeed[p] = game->Random(10) + 10;
    team.PlayerAgility[p] = game->Random(10) + 10;
    team.PlayerStamina[p] = game->Random(10) + 10;
    team.PlayerAccuracy[p] = game->Random(10) + 10;
    team.PlayerPaid[p] = p % 2;
  }
  team.Month = month;
  team.Sponsorship = 2;
  team.SnackMachine = team.Television = 1;
  RuntimeState& rt = game->Runtime;
  rt.TournamentMonth = month % 2 == 0 ? 1 : 0;
  rt.MatchOutcome = rt.TournamentMonth;
  rt.MatchOpponent = team.NextOpponent;
  rt.TrophyKind = 1;
  rt.OwnFinalScore = 80;
  rt.OppositionFinalScore = 45;
  return game;
}

// One month end. The records and the generator are put back before each
// month (a copy of some 17 KB, included in the time), so every iteration
// processes the same month.
void BM_ProcessMonth(benchmark::State& bench) {
  auto game = LeagueAt(static_cast<int>(bench.range(0)));
  const TeamRecord team = game->Team;
  const LeagueRecord league = game->League;
  const RandomGenerator rng = game->Rng;
  for (auto _ : bench) {
    game->Team = team;
    game->League = league;
    game->Rng = rng;
    ProcessMonth(*game);
    benchmark::DoNotOptimize(game->Team.Cash);
  }
}
// March: a plain month; April: a tournament month with a game won;
// December: the turn of the year, when the opposition grows.
BENCHMARK(BM_ProcessMonth)->ArgName("month")->Arg(3)->Arg(4)->Arg(12);

}  // namespace
}  // namespace vantoro
