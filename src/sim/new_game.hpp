#pragma once
// A fresh league in its first month: opening values for the team, nine newly
// generated opposition teams, and the unsaved variables that the hub, team
// creation and the match expect.

#include "state/game_state.hpp"

namespace vantoro {

// Squad slots 1..8 get placeholder players only; team creation replaces the
// squad. GameType, PlayerGender, PlayerPortrait, PlayerMarkerCustom and the
// records' gap bytes keep whatever the previous game left there.
void NewGameSetup(GameState& state);

}  // namespace vantoro
