#include "sim/creation_actions.hpp"

#include "sim/players.hpp"
#include "text/generators.hpp"

namespace vantoro {

void AdvanceCreationIntro(GameState& state) {
  if (state.Runtime.CreationCounter < kCreationIntroDone) state.Runtime.CreationCounter += 5;
}

bool CanRollSquad(const GameState& state) { return state.Runtime.CreationCounter == kCreationIntroDone; }

void RollSquad(GameState& state) {
  if (!CanRollSquad(state)) return;
  TeamRecord& team = state.Team;
  for (int p = 1; p <= kSquadSize; ++p) {
    team.PlayerName[p] = MakePersonName(state);
    team.PlayerGender[p] = state.Runtime.NameGender;
    team.PlayerFigure[p] = state.Random(4) + 1;
    team.PlayerPortrait[p] = p;
    team.PlayerMarkerType[p] = state.Random(3) + 1;
    team.PlayerMarkerCustom[p] = 0;
    team.PlayerMarkerCondition[p] = state.Random(10) + 90;
    team.PlayerMarkerAge[p] = state.Random(3) + 1;
    RollStatistics(state, team, p, 5);
    team.PlayerMorale[p] = state.Random(10) + 90;
    team.PlayerTagsFor[p] = 0;
    team.PlayerTagsAgainst[p] = 0;
    team.PlayerOccupation[p] = MakeOccupation(state);
  }
}

void CycleGameLength(GameState& state) {
  Int& years = state.Team.GameLengthYears;
  ++years;
  if (years == 11) years = 1;
}

void CycleFieldType(GameState& state) {
  Int& field = state.Team.FieldType;
  ++field;
  if (field == 3) field = 1;
}

void CycleGameType(GameState& state) {
  Int& type = state.Team.GameType;
  ++type;
  if (type == 2) type = 0;
}

bool CanCommitTeam(const GameState& state) { return !state.Team.PlayerName[1].Empty(); }

void OpenHub(GameState& state) {
  state.Runtime.HubIntroCounter = 1;
  state.Runtime.HubSectionGlow[1] = 1;
}

bool CommitTeam(GameState& state) {
  if (!CanCommitTeam(state)) return false;
  OpenHub(state);
  return true;
}

}  // namespace vantoro
