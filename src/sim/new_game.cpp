#include "sim/new_game.hpp"

#include <string>

#include "sim/players.hpp"
#include "state/version.hpp"
#include "text/generators.hpp"

namespace vantoro {
namespace {

void ResetTexts(RuntimeState& rt) {
  for (int i = 1; i <= 5; ++i) rt.CommentaryLines[i].clear();
  rt.CommentaryLines[6] = "TEAM COMMENTARY";
  // Drawn in a narrow footer of the hub, so it stays short.
  rt.VersionLabel = std::string("Version ") + kVersion + " (" + kBuildDate + ")";
  rt.HubMessage1.clear();
}

void PlaceRain(GameState& state) {
  RuntimeState& rt = state.Runtime;
  for (int i = 1; i <= 100; ++i) {
    rt.RainX[i] = state.Random(600) + 50;
    rt.RainY[i] = state.Random(272) + 50;
    rt.RainSpeed[i] = 3 * (state.Random(3) + 1);
  }
}

void ResetSelectors(RuntimeState& rt) {
  rt.CustomEligible = 1;
  rt.ViewedOpponent = 1;
  rt.CustomChoice = 1;
  rt.ActionPicture = 1;
  rt.HelpPage = 1;
}

void OpenLeague(GameState& state) {
  TeamRecord& team = state.Team;
  team.FieldType = 1;
  team.GameLengthYears = 5;
  team.NextOpponent = 1;
  team.TeamName = "The Team";
  team.ManagerName = "John Smith";
  team.Cash = 700;
  team.BankBalance = 0;
  team.LeagueScore = 0;
  team.Year = 2000;
  // Drawn independently: two or all three rivals may be the same team.
  team.RivalTeamA = state.Random(9) + 1;
  team.RivalTeamB = state.Random(9) + 1;
  team.RivalTeamC = state.Random(9) + 1;
  team.Month = 1;
  team.Vehicle = 1;
}

void OpenShareMarket(GameState& state) {
  TeamRecord& team = state.Team;
  for (int c = 1; c <= kCompanies; ++c) {
    team.SharesHeld[c] = 0;
    team.SharePrice[c] = state.Random(50) + 5 * c;
  }
}

void EmptyClubhouse(TeamRecord& team) {
  for (Int& trophies : team.Trophies) trophies = 0;
  team.Reserved090 = 0;
  team.Television = 0;
  team.PBCooler = 0;
  team.SnackMachine = 0;
  team.PoolTable = 0;
  team.BeerFridge = 0;
  for (Int& slot : team.ReservedAssets) slot = 0;
  team.LockStrength = 1;
  team.SecurityLevel = 1;
  team.GarageLevel = 1;
}

void StartShareHistory(TeamRecord& team) {
  for (auto& row : team.SharePriceHistory) {
    for (Int& price : row) price = 0;
  }
  team.SharePriceHistory[1] = team.SharePrice;
}

void PlaceholderPlayer(GameState& state, int p) {
  TeamRecord& team = state.Team;
  team.PlayerName[p] = "";
  team.PlayerMarkerType[p] = state.Random(3) + 1;
  team.PlayerMarkerCondition[p] = state.Random(10) + 90;
  team.PlayerMarkerAge[p] = state.Random(3) + 1;
  RollStatistics(state, team, p, 5);
  team.PlayerMorale[p] = state.Random(10) + 90;
  team.PlayerPopularity[p] = state.Random(10) + 90;
  team.PlayerTagsFor[p] = 0;
  team.PlayerTagsAgainst[p] = 0;
  team.PlayerFlagsPulled[p] = 0;
  team.PlayerPaid[p] = 0;
  team.PlayerTrained[p] = 0;
  team.PlayerOccupation[p] = "None";
  team.PlayerFigure[p] = state.Random(4) + 1;
}

void ClearResults(TeamRecord& team) {
  team.TeamFinePaid = 0;
  team.HistoryRow = 1;
  team.GamesPlayed = 0;
  team.GamesWon = 0;
  team.GamesLost = 0;
  team.GamesDrawn = 0;
  team.Sponsorship = 0;
}

void StartCreationAnimation(RuntimeState& rt) {
  rt.CreationBarA = 50;
  rt.CreationBarB = 75;
  rt.CreationStepA = 1;
  rt.CreationStepB = 2;
}

void ResetMonthAndHub(GameState& state) {
  RuntimeState& rt = state.Runtime;
  rt.FundraisedThisMonth = 0;
  rt.GambledThisMonth = 0;
  rt.MapView = 1;
  rt.HubMessage1.clear();
  rt.HubMessage2.clear();
  rt.SelectedCompany = 1;
  rt.FlankTactic = 1;
  rt.SupportTactic = 1;
  rt.ForwardTactic = 1;
  rt.LeaderTactic = 1;
  rt.HubSection = 1;
  rt.HubPage = 1;
  rt.ViewedVehicle = 1;
  rt.CatalogItem = 1;
  rt.PaintPrice = state.Random(3) + 10;
  rt.RecruitGenerated = 0;
}

void PlaceHubParticles(GameState& state) {
  RuntimeState& rt = state.Runtime;
  for (int i = 1; i <= 100; ++i) {
    rt.HubParticleX[i] = state.Random(640) + 125;
    rt.HubParticleY[i] = state.Random(465) + 95;
    rt.HubParticleSpeed[i] = state.Random(3) + 1;
  }
}

void ParkSplash(RuntimeState& rt) {
  // A burst sets its own start values; these only keep idle particles tidy.
  for (int i = 1; i <= 10; ++i) {
    rt.SplashX[i] = 10;
    rt.SplashY[i] = 10;
    rt.SplashDX[i] = 0;
    rt.SplashDY[i] = 0;
  }
}

void GenerateOpposition(GameState& state, OppositionTeam& team) {
  team.Name = MakeTeamName(state);
  team.ManagerName = MakePersonName(state);
  for (int p = 1; p <= kSquadSize; ++p) {
    team.PlayerName[p] = MakePersonName(state);
    team.PlayerMarkerType[p] = state.Random(3) + 1;
    RollStatistics(state, team, p, 5);
    team.PlayerTagsFor[p] = 0;
    team.PlayerTagsAgainst[p] = 0;
    team.ReservedTally[p] = 0;
  }
  team.LeagueScore = 0;
  for (Int& word : team.Reserved2B4) word = 0;
}

void ResetScreens(RuntimeState& rt) {
  rt.SplashTicks = 0;
  rt.CreationCounter = 0;
  rt.AnimFrame = 1;
  rt.AnimTick = 0;
  rt.SelectedPlayer = 1;
  for (Int& glow : rt.HubSectionGlow) glow = 0;
}

}  // namespace

void NewGameSetup(GameState& state) {
  ResetTexts(state.Runtime);
  PlaceRain(state);
  ResetSelectors(state.Runtime);
  OpenLeague(state);
  OpenShareMarket(state);
  EmptyClubhouse(state.Team);
  StartShareHistory(state.Team);
  state.Team.Paintballs = state.Random(500) + 1000;
  state.Team.Reserved0C0 = 0;
  for (int p = 1; p <= kPlayerSlots; ++p) PlaceholderPlayer(state, p);
  ClearResults(state.Team);
  StartCreationAnimation(state.Runtime);
  ResetMonthAndHub(state);
  PlaceHubParticles(state);
  ParkSplash(state.Runtime);
  for (OppositionTeam& team : state.League) GenerateOpposition(state, team);
  ResetScreens(state.Runtime);
}

}  // namespace vantoro
