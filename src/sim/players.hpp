#pragma once
// What every newly made player shares, whoever makes them: a new game, team
// creation, a replacement for a player who leaves.

#include "state/game_state.hpp"

namespace vantoro {

// The four statistics of player p, each 10 .. 10 + spread - 1, rolled in the
// order speed, agility, stamina, accuracy (the order is part of every run's
// sequence of draws).
template <class Team>
void RollStatistics(GameState& state, Team& team, Int p, Int spread) {
  team.PlayerSpeed[p] = state.Random(spread) + 10;
  team.PlayerAgility[p] = state.Random(spread) + 10;
  team.PlayerStamina[p] = state.Random(spread) + 10;
  team.PlayerAccuracy[p] = state.Random(spread) + 10;
}

// Whether a squad member is selected on the page, as the pages that act on
// one ask before they act.
inline bool PlayerSelected(const GameState& state) {
  return InRange(state.Runtime.SelectedPlayer, 1, kSquadSize);
}

}  // namespace vantoro
