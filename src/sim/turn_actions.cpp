#include "sim/turn_actions.hpp"

#include "sim/calendar.hpp"
#include "state/derived.hpp"

namespace vantoro {

Int TravelFare(const GameState& state, Transport transport) {
  const Tournament* tournament = TournamentIn(state.Team.Month);
  if (tournament == nullptr) return 0;
  return transport == Transport::Hired ? HiredCost(*tournament) : CarCost(*tournament);
}

bool CanAffordTravel(const GameState& state, Transport transport) {
  return TournamentIn(state.Team.Month) != nullptr && state.Team.Cash >= TravelFare(state, transport);
}

bool CanTravel(const GameState& state, Transport transport) {
  return CanAffordTravel(state, transport) && (transport == Transport::Hired || !Overloaded(state.Team));
}

bool Travel(GameState& state, Transport transport) {
  if (!CanTravel(state, transport)) return false;
  state.Team.Cash -= TravelFare(state, transport);
  // The tournament screen then meets the next opponent of the round.
  state.Runtime.MatchOpponent = 0;
  return true;
}

void EndTurn(GameState& state) {
  RuntimeState& r = state.Runtime;
  r.MonthProcessed = 0;
  r.MonthScroll = 1;
  r.HubSection = 1;
  r.HubPage = 1;
  r.GambledThisMonth = 0;
  r.FundraisedThisMonth = 0;
  r.SelectedPlayer = 1;
  r.SelectedCompany = 1;
  r.CatalogItem = 1;
  r.PaintPrice = state.Random(3) + 10;
}

void StartNextMonth(GameState& state) {
  TeamRecord& team = state.Team;
  RuntimeState& r = state.Runtime;
  for (int p = 1; p <= kSquadSize; ++p) {
    team.PlayerPaid[p] = 0;
    team.PlayerTrained[p] = 0;
    if (team.PlayerMarkerType[p] == 0) team.PlayerMarkerCustom[p] = 0;
  }
  LimitToPumps(state);
  team.TeamFinePaid = 0;
  r.BankAmount = 0;
  for (Int& glow : r.HubSectionGlow) glow = 0;
  if (Ints7::Valid(r.HubSection)) r.HubSectionGlow[r.HubSection] = 1;
  r.HubIntroCounter = 1;
  ++team.HistoryRow;
  // Whether a recruit is offered in the new month.
  r.RecruitGenerated = state.Random(100) < 15 ? 0 : 2;
}

void LimitToPumps(GameState& state) {
  if (state.Team.GameType != 1) return;
  for (int p = 1; p <= kSquadSize; ++p) {
    if (state.Team.PlayerMarkerType[p] > 4) state.Team.PlayerMarkerType[p] = 4;
  }
  for (OppositionTeam& team : state.League) {
    for (Int& marker : team.PlayerMarkerType) {
      if (marker > 4) marker = 4;
    }
  }
}

bool LeagueOver(const GameState& state) { return state.Team.Year == Int(2000) + state.Team.GameLengthYears; }

void BeginLeagueEnd(GameState& state) {
  RuntimeState& r = state.Runtime;
  r.RocketX = 400;
  r.RocketY = 600;
  r.SplashTicks = 0;
  r.BurstHeight = 300;
}

}  // namespace vantoro
