#include "sim/pregame_actions.hpp"

#include <utility>

namespace vantoro {

void MeetOpponent(GameState& state) {
  if (state.Runtime.MatchOpponent == 0) state.Runtime.MatchOpponent = state.Team.NextOpponent;
}

void ResetForKickoff(GameState& state) {
  ClearMatchLog(state);
  for (Int& f : state.Runtime.OwnFitness) f = 0;
  for (Int& f : state.Runtime.OppFitness) f = 0;
}

bool CanSwapPlayers(int i) { return i >= 1 && i < kSquadSize; }

void SwapPlayers(GameState& state, int i) {
  if (!CanSwapPlayers(i)) return;
  TeamRecord& t = state.Team;
  const auto swap = [i](auto& field) { std::swap(field[i], field[i + 1]); };
  swap(t.PlayerName);
  swap(t.PlayerMarkerType);
  swap(t.PlayerMarkerCondition);
  swap(t.PlayerSpeed);
  swap(t.PlayerAgility);
  swap(t.PlayerStamina);
  swap(t.PlayerAccuracy);
  swap(t.PlayerMorale);
  swap(t.PlayerPopularity);
  swap(t.PlayerFlagsPulled);
  swap(t.PlayerTagsFor);
  swap(t.PlayerTagsAgainst);
  swap(t.PlayerPaid);
  swap(t.PlayerTrained);
  swap(t.PlayerOccupation);
  swap(t.PlayerFigure);
  swap(t.PlayerGender);
  swap(t.PlayerPortrait);
  swap(t.PlayerMarkerCustom);
}

void NextTactic(GameState& state, Role role) {
  Int& tactic = OwnTactic(state.Runtime, role);
  ++tactic;
  const int past = state.Runtime.Weather == kWeatherRaining ? 3 : 4;
  if (tactic == past) tactic = 1;
}

void Play(GameState& state) { Kickoff(state); }

}  // namespace vantoro
