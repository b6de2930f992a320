#pragma once
// Where the hub's presses take the player: sections, pages, the selected
// player, the opposition team shown, the report's page, the map's view and
// the help page. They change only what the hub shows.

#include "state/game_state.hpp"

namespace vantoro {

// A section opens on its first page, with its box lit and the page's
// messages cleared.
void SelectSection(GameState& state, int section);
void SelectPage(GameState& state, int page);

// TEAM's pages without a tab; the report opens at its first line.
void OpenTeamPage(GameState& state, int page);
void SelectPlayer(GameState& state, int player);
// After the ninth team comes the first.
void NextViewedOpponent(GameState& state);
// The last line of a report page is repeated as the first of the next; after
// the last page comes the first.
void NextDebriefPage(GameState& state);

void ShowMapView(GameState& state, int view);
// After the last help page comes the first; so does any page a damaged value
// names.
void NextHelpPage(GameState& state, int pageCount);

// What the hub's tick decides, in the order it draws: a new line of the
// players' talk now and then; the opening's progress, whose last roll
// before it ends decides whether the bank is open this visit; whether this
// is a tournament month; the day of a tournament, set afresh every tick
// (its weather the last roll before the team leaves, the tactics back to
// the first); and no match result carried past the hub.
inline constexpr int kHubOpened = 470;
void ScrollCommentary(GameState& state);
void AdvanceHubOpening(GameState& state);
void NoteTournamentMonth(GameState& state);
void ReadyTournamentDay(GameState& state);
void ForgetMatchOutcome(GameState& state);

}  // namespace vantoro
