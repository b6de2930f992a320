#pragma once
// The game's people and chatter: names, marker models, day jobs and the
// team's remarks. Every generator that draws takes its numbers from the game's
// one generator in a fixed order, so the same seed always gives the same text.
// Texts are Windows-1252 bytes, as in the records.

#include <string>

#include "state/game_state.hpp"

namespace vantoro {

// Two words, such as "Flaming Bears".
std::string MakeTeamName(GameState& state);

// "First Surname". Sets Runtime.NameGender (1 or 2) from the first name,
// before the surname is drawn.
std::string MakePersonName(GameState& state);

// Model 0..10; any other number, including one read from a save file, gives
// an empty text.
std::string MarkerModelName(Int model);

std::string MakeOccupation(GameState& state);

// A remark for the hub's commentary, in double quotation marks. Reads the
// team's cash, paint, gear and morale and the opposition's player names.
std::string MakeTeamQuote(GameState& state);

}  // namespace vantoro
