#pragma once
// The TEAM section's two money actions on the selected player: PAY once per
// player and FINE once per team, each month.

#include "state/game_state.hpp"

namespace vantoro {

bool CanPay(const GameState& state);
// $100 to the selected player: a little morale, capped at 100.
void Pay(GameState& state);

bool CanFine(const GameState& state);
// $100 from the selected player: popularity up, morale down to no less than 5.
void Fine(GameState& state);

}  // namespace vantoro
