#include "sim/team_actions.hpp"

#include "sim/players.hpp"

namespace vantoro {

bool CanPay(const GameState& state) {
  return PlayerSelected(state) && state.Team.Cash > 99 &&
         state.Team.PlayerPaid[state.Runtime.SelectedPlayer] == 0;
}

void Pay(GameState& state) {
  if (!CanPay(state)) return;
  TeamRecord& team = state.Team;
  const Int p = state.Runtime.SelectedPlayer;
  team.Cash -= 100;
  team.PlayerMorale[p] += state.Random(2) + 1;
  if (team.PlayerMorale[p] > 100) team.PlayerMorale[p] = 100;
  team.PlayerPaid[p] = 1;
}

bool CanFine(const GameState& state) { return PlayerSelected(state) && state.Team.TeamFinePaid == 0; }

void Fine(GameState& state) {
  if (!CanFine(state)) return;
  TeamRecord& team = state.Team;
  const Int p = state.Runtime.SelectedPlayer;
  team.Cash += 100;
  team.PlayerPopularity[p] += state.Random(3) + 1;
  team.PlayerMorale[p] -= state.Random(5);
  if (team.PlayerMorale[p] < 5) team.PlayerMorale[p] = 5;
  if (team.PlayerPopularity[p] > 100) team.PlayerPopularity[p] = 100;
  team.TeamFinePaid = 1;
}

}  // namespace vantoro
