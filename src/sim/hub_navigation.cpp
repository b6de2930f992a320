#include "sim/hub_navigation.hpp"

namespace vantoro {

void SelectSection(GameState& state, int section) {
  RuntimeState& r = state.Runtime;
  r.HubSection = section;
  r.HubPage = 1;
  r.HubMessage1.clear();
  r.HubMessage2.clear();
  for (Int& glow : r.HubSectionGlow) glow = 0;
  if (Ints7::Valid(section)) r.HubSectionGlow[section] = 1;
}

void SelectPage(GameState& state, int page) { state.Runtime.HubPage = page; }

void OpenTeamPage(GameState& state, int page) {
  state.Runtime.HubPage = page;
  if (page == 6) state.Runtime.DebriefTopLine = 1;
}

void SelectPlayer(GameState& state, int player) { state.Runtime.SelectedPlayer = player; }

void NextViewedOpponent(GameState& state) {
  Int& i = state.Runtime.ViewedOpponent;
  ++i;
  if (!LeagueRecord::Valid(i)) i = 1;
}

void NextDebriefPage(GameState& state) {
  RuntimeState& r = state.Runtime;
  r.DebriefTopLine += 14;
  if (r.DebriefTopLine > r.MatchLogCount + 14) r.DebriefTopLine = 1;
}

void ShowMapView(GameState& state, int view) { state.Runtime.MapView = view; }

void NextHelpPage(GameState& state, int pageCount) {
  Int& page = state.Runtime.HelpPage;
  ++page;
  if (!InRange(page, 1, pageCount)) page = 1;
}

}  // namespace vantoro
