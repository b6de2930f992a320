#pragma once
// The turn's way out of the hub and back into it: leaving for the month's
// tournament, ending the turn, and opening the next month; and the Pumps
// Only rule that holds throughout a league.

#include "state/game_state.hpp"

namespace vantoro {

enum class Transport { Car, Hired };

// The fare to this month's tournament; 0 in a month without one.
Int TravelFare(const GameState& state, Transport transport);
// The fare is in hand.
bool CanAffordTravel(const GameState& state, Transport transport);
// And an overloaded vehicle cannot make the trip; hired transport always can.
bool CanTravel(const GameState& state, Transport transport);
// Pays the fare and readies the round's first meeting; false when the team
// cannot go.
bool Travel(GameState& state, Transport transport);

// The month ends: its processing is still to run, and the next month opens
// on TEAM OVERVIEW with the month's chances back and a new paint price.
void EndTurn(GameState& state);

// NEXT TURN: the flags of the month just processed are cleared and the hub
// opens again.
void StartNextMonth(GameState& state);

// In a Pumps Only league no marker better than model 4 is allowed, whoever
// holds it.
void LimitToPumps(GameState& state);

// Whether the league's last year is over.
bool LeagueOver(const GameState& state);
// The fireworks of the league's end start from the bottom of the screen.
void BeginLeagueEnd(GameState& state);

}  // namespace vantoro
