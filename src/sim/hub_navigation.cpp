#include "sim/hub_navigation.hpp"

#include "text/generators.hpp"

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

void ScrollCommentary(GameState& state) {
  if (state.Random(100) + 1 >= 2) return;
  Texts6& lines = state.Runtime.CommentaryLines;
  for (int i = 1; i <= 5; ++i) lines[i] = lines[i + 1];
  lines[6] = MakeTeamQuote(state);
}

void AdvanceHubOpening(GameState& state) {
  RuntimeState& r = state.Runtime;
  if (r.HubIntroCounter >= kHubOpened) {
    r.HubIntroCounter = kHubOpened;
    return;
  }
  r.HubIntroCounter += 15;
  if (r.HubIntroCounter < kHubOpened) r.BankOpenRoll = state.Random(100) + 1;
}

void NoteTournamentMonth(GameState& state) {
  state.Runtime.TournamentMonth = state.Team.Month % 2 == 0 ? 1 : 0;
}

void ReadyTournamentDay(GameState& state) {
  RuntimeState& r = state.Runtime;
  r.Weather = state.Random(3) + 1;
  r.FlankTactic = 1;
  r.SupportTactic = 1;
  r.ForwardTactic = 1;
  r.LeaderTactic = 1;
  r.MalfunctionShown = 0;
}

void ForgetMatchOutcome(GameState& state) { state.Runtime.MatchOutcome = 0; }

}  // namespace vantoro
