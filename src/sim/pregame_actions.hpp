#pragma once
// The line-up before a game: which team the squad meets, the order of the
// players (which gives them their roles), one tactic per role, and PLAY.

#include "sim/match.hpp"
#include "state/game_state.hpp"

namespace vantoro {

// The round's opponent, fixed on the line-up's first frame.
void MeetOpponent(GameState& state);
// Every frame of the line-up: the game starts from an empty log and fresh legs.
void ResetForKickoff(GameState& state);

// SWAP exchanges players i and i + 1 (1..6) with everything that belongs to
// the player; the marker's age stays with the slot.
bool CanSwapPlayers(int i);
void SwapPlayers(GameState& state, int i);

// The role's next tactic; in rain the longest option is not offered.
void NextTactic(GameState& state, Role role);

// PLAY: the kickoff.
void Play(GameState& state);

}  // namespace vantoro
