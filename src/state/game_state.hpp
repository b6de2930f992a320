#pragma once
// The whole game: the two saved records, the unsaved variables and the one
// random generator. main owns the only instance; everything else takes it by
// reference, so every test can make its own.

#include "state/random.hpp"
#include "state/records.hpp"
#include "state/runtime.hpp"

namespace vantoro {

struct GameState {
  TeamRecord Team{};
  LeagueRecord League{};
  RuntimeState Runtime{};
  RandomGenerator Rng{};

  Int Random(Int n) { return Rng.Random(n); }
};

}  // namespace vantoro
