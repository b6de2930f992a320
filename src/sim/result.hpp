#pragma once
// The end of a game: the score sheet, once, from the final state of the
// match; the verdict; and the way on to the month's end.

#include "state/game_state.hpp"

namespace vantoro {

// Tag, pull and hang points, the chronograph penalties and the final
// scores, with their lines in the match log. Only once per game.
void ScoreGame(GameState& state);

// The verdict of the scores (1 won, 2 lost, 3 drawn) and, the first time,
// the kind of trophy at stake.
Int DecideOutcome(GameState& state);

// OK on the score sheet shows the verdict; OK on the verdict goes on to the
// month's end (true), which opens the next month as ending the turn does.
bool ConfirmResult(GameState& state);

}  // namespace vantoro
