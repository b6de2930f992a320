#pragma once
// What the team creation screen's presses do: roll a squad, cycle the
// league's settings, and open the hub on the new or loaded team.

#include "state/game_state.hpp"

namespace vantoro {

// The intro's counter once the screen's boxes have grown.
inline constexpr int kCreationIntroDone = 200;

// A squad is rolled only once the intro has finished.
// The screen's opening runs until its counter reaches kCreationIntroDone;
// CREATE waits for it.
void AdvanceCreationIntro(GameState& state);
bool CanRollSquad(const GameState& state);
void RollSquad(GameState& state);

// Each press moves a setting on to its next value, after the last the first.
void CycleGameLength(GameState& state);  // 1..10 years
void CycleFieldType(GameState& state);   // Airball, Woodsball
void CycleGameType(GameState& state);    // Open Class, Pumps Only

// A team exists to commit once a squad has been rolled.
bool CanCommitTeam(const GameState& state);

// What the hub expects when it is entered from team creation: its opening
// from the start, TEAM lit. A loaded game always opens it.
void OpenHub(GameState& state);
// The rolled squad goes into the league: the hub opens; false, and nothing
// changed, without a squad.
bool CommitTeam(GameState& state);

}  // namespace vantoro
