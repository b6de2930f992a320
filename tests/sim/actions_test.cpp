// The rules the hub, team creation and end of month apply at a press, run
// without any screen: what each may do, and what it changes.

#include <gtest/gtest.h>

#include "action_cases.hpp"
#include "sim/creation_actions.hpp"
#include "sim/hub_navigation.hpp"
#include "sim/team_actions.hpp"
#include "sim/turn_actions.hpp"

namespace vantoro::testing {
namespace {

TEST(TeamActionsTest, PayOncePerPlayerWhileTheCashLasts) {
  RunCases(
      {
          // Exactly $100 leaves nothing.
          {"Runtime.SelectedPlayer=3 PlayerPaid[3]=0 Cash=100 PlayerMorale[3]=50",
           {Is(2, 1)},
           true,
           "Cash=0 PlayerMorale[3]=52 PlayerPaid[3]=1"},
          // $99 is not enough.
          {"Runtime.SelectedPlayer=3 PlayerPaid[3]=0 Cash=99", {}, false, "Cash=99"},
          // Morale stops at 100.
          {"Runtime.SelectedPlayer=1 PlayerPaid[1]=0 PlayerMorale[1]=100",
           {Is(2, 1)},
           true,
           "Cash=900 PlayerMorale[1]=100"},
          // Paid already.
          {"Runtime.SelectedPlayer=2 PlayerPaid[2]=1", {}, false, "Cash=1000"},
          // No player selected.
          {"Runtime.SelectedPlayer=0", {}, false, "Cash=1000"},
          // A damaged selection.
          {"Runtime.SelectedPlayer=8", {}, false, "Cash=1000"},
      },
      CanPay, Pay);
}

TEST(TeamActionsTest, OneFinePerTeamEachMonth) {
  RunCases(
      {
          // Fine raises cash and popularity, lowers morale.
          {"Runtime.SelectedPlayer=4 PlayerMorale[4]=50",
           {Is(3, 2), Is(5, 4)},
           true,
           "Cash=1100 PlayerPopularity[4]=53 PlayerMorale[4]=46 TeamFinePaid=1"},
          // Morale no lower than 5, popularity no higher than 100.
          {"Runtime.SelectedPlayer=4 PlayerMorale[4]=6 PlayerPopularity[4]=99",
           {Is(3, 2), Is(5, 4)},
           true,
           "PlayerPopularity[4]=100 PlayerMorale[4]=5"},
          // No cash needed.
          {"Runtime.SelectedPlayer=1 Cash=-50", {Any(3), Any(5)}, true, "Cash=50"},
          // Fined already this month.
          {"Runtime.SelectedPlayer=1 TeamFinePaid=1", {}, false, "Cash=1000"},
      },
      CanFine, Fine);
}

TEST(TurnActionsTest, TravelNeedsATournamentTheFareAndRoomForTheMarkers) {
  struct Case {
    const char* setup;
    Transport transport;
    bool afford, can;
    int cashAfter;
  };
  const Case cases[] = {
      {"Month=3 Cash=5000", Transport::Car, false, false, 5000},  // no tournament in March
      {"Month=2 Cash=34", Transport::Car, false, false, 34},
      {"Month=2 Cash=35", Transport::Car, true, true, 0},
      {"Month=2 Cash=104", Transport::Hired, false, false, 104},
      {"Month=2 Cash=105", Transport::Hired, true, true, 0},
      // Seven model 3 markers overload the first vehicle: only hired transport goes.
      {"Month=8 Cash=1000 PlayerMarkerType[1]=9", Transport::Car, true, false, 1000},
      {"Month=8 Cash=1000 PlayerMarkerType[1]=9", Transport::Hired, true, true, 325},
      {"Month=2 Cash=100 Vehicle=0", Transport::Car, true, false, 100},
      {"Month=99 Cash=100", Transport::Hired, false, false, 100},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.setup);
    auto state = SettledTeam();
    Assign(*state, c.setup);
    state->Runtime.MatchOpponent = 5;
    EXPECT_EQ(CanAffordTravel(*state, c.transport), c.afford);
    EXPECT_EQ(CanTravel(*state, c.transport), c.can);
    EXPECT_EQ(Travel(*state, c.transport), c.can);
    EXPECT_EQ(state->Team.Cash, Int(c.cashAfter));
    EXPECT_EQ(state->Runtime.MatchOpponent, Int(c.can ? 0 : 5));
  }
}

TEST(TurnActionsTest, EndTurnOpensTheNextMonthOnTeamOverview) {
  auto state = SettledTeam();
  Assign(*state,
         "Runtime.MonthProcessed=1 Runtime.HubSection=6 Runtime.HubPage=3 Runtime.GambledThisMonth=1 "
         "Runtime.FundraisedThisMonth=1 Runtime.SelectedPlayer=5 Runtime.SelectedCompany=4 "
         "Runtime.CatalogItem=7");
  state->Rng.Seed = SeedFor({Is(3, 2)});
  const std::uint32_t seed = state->Rng.Seed;
  EndTurn(*state);
  EXPECT_EQ(
      Mismatches(*state,
                 "Runtime.MonthProcessed=0 Runtime.MonthScroll=1 Runtime.HubSection=1 Runtime.HubPage=1 "
                 "Runtime.GambledThisMonth=0 Runtime.FundraisedThisMonth=0 Runtime.SelectedPlayer=1 "
                 "Runtime.SelectedCompany=1 Runtime.CatalogItem=1 Runtime.PaintPrice=12"),
      "");
  EXPECT_EQ(state->Rng.Seed, SeedAfter(seed, 1));
}

TEST(TurnActionsTest, NextMonthClearsTheMonthsFlags) {
  struct Case {
    const char* setup;
    Draws draws;
    const char* expect;
  };
  const Case cases[] = {
      {"PlayerPaid[1]=1 PlayerTrained[7]=1 TeamFinePaid=1 Runtime.BankAmount=300 HistoryRow=15 "
       "Runtime.HubSection=6 Runtime.HubIntroCounter=470",
       {Is(100, 14)},
       "PlayerPaid[1]=0 PlayerTrained[7]=0 TeamFinePaid=0 Runtime.BankAmount=0 HistoryRow=16 "
       "Runtime.HubSectionGlow[6]=1 Runtime.HubSectionGlow[1]=0 Runtime.HubIntroCounter=1 "
       "Runtime.RecruitGenerated=0"},
      {"Runtime.HubSection=0", {Is(100, 15)}, "Runtime.HubSectionGlow[1]=0 Runtime.RecruitGenerated=2"},
      // A player without a marker loses its customisation.
      {"PlayerMarkerType[2]=0 PlayerMarkerCustom[2]=3",
       {Any(100)},
       "PlayerMarkerCustom[2]=0 PlayerMarkerCustom[3]=1"},
      // Pumps Only caps every marker, the opposition's too; an open league keeps them.
      {"GameType=1 PlayerMarkerType[2]=9 League[3].PlayerMarkerType[1]=7",
       {Any(100)},
       "PlayerMarkerType[2]=4 League[3].PlayerMarkerType[1]=4"},
      {"GameType=0 PlayerMarkerType[2]=9 League[3].PlayerMarkerType[1]=7",
       {Any(100)},
       "PlayerMarkerType[2]=9 League[3].PlayerMarkerType[1]=7"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.setup);
    auto state = SettledTeam();
    Assign(*state, c.setup);
    state->Rng.Seed = SeedFor(c.draws);
    StartNextMonth(*state);
    EXPECT_EQ(Mismatches(*state, c.expect), "");
  }
}

TEST(TurnActionsTest, TheLeagueEndsWhenItsLastYearIsReached) {
  auto state = SettledTeam();
  Assign(*state, "GameLengthYears=5 Year=2004");
  EXPECT_FALSE(LeagueOver(*state));
  Assign(*state, "Year=2005");
  EXPECT_TRUE(LeagueOver(*state));
}

TEST(CreationActionsTest, SettingsCycleThroughTheirValues) {
  struct Case {
    void (*cycle)(GameState&);
    const char* field;
    int from, to;
  };
  const Case cases[] = {
      {CycleGameLength, "GameLengthYears", 1, 2}, {CycleGameLength, "GameLengthYears", 10, 1},
      {CycleFieldType, "FieldType", 1, 2},        {CycleFieldType, "FieldType", 2, 1},
      {CycleGameType, "GameType", 0, 1},          {CycleGameType, "GameType", 1, 0},
  };
  for (const Case& c : cases) {
    auto state = SettledTeam();
    Assign(*state, std::string(c.field) + "=" + std::to_string(c.from));
    c.cycle(*state);
    EXPECT_EQ(Mismatches(*state, std::string(c.field) + "=" + std::to_string(c.to)), "") << c.field << c.from;
  }
}

TEST(CreationActionsTest, ASquadIsRolledOnlyOnceTheIntroIsOver) {
  GameState state;
  state.Runtime.CreationCounter = kCreationIntroDone - 5;
  EXPECT_FALSE(CanRollSquad(state));
  RollSquad(state);
  EXPECT_FALSE(CanCommitTeam(state));
  state.Runtime.CreationCounter = kCreationIntroDone;
  RollSquad(state);
  ASSERT_TRUE(CanCommitTeam(state));
  for (int p = 1; p <= kSquadSize; ++p) {
    EXPECT_FALSE(state.Team.PlayerName[p].Empty());
    EXPECT_TRUE(InRange(state.Team.PlayerMarkerType[p], 1, 3));
    EXPECT_TRUE(InRange(state.Team.PlayerMorale[p], 90, 99));
    EXPECT_EQ(state.Team.PlayerPortrait[p], Int(p));
  }
}

TEST(HubNavigationTest, PagingWrapsAround) {
  struct Case {
    const char* setup;
    void (*step)(GameState&);
    const char* expect;
  };
  const auto help = [](GameState& s) { NextHelpPage(s, 5); };
  const Case cases[] = {
      {"Runtime.ViewedOpponent=8", NextViewedOpponent, "Runtime.ViewedOpponent=9"},
      {"Runtime.ViewedOpponent=9", NextViewedOpponent, "Runtime.ViewedOpponent=1"},
      {"Runtime.ViewedOpponent=-4", NextViewedOpponent, "Runtime.ViewedOpponent=1"},
      // A 20-line report pages 1, 15, 29, then back; a 14-line one 1, 15, back.
      {"Runtime.MatchLogCount=20 Runtime.DebriefTopLine=15", NextDebriefPage, "Runtime.DebriefTopLine=29"},
      {"Runtime.MatchLogCount=20 Runtime.DebriefTopLine=29", NextDebriefPage, "Runtime.DebriefTopLine=1"},
      {"Runtime.MatchLogCount=14 Runtime.DebriefTopLine=1", NextDebriefPage, "Runtime.DebriefTopLine=15"},
      {"Runtime.MatchLogCount=14 Runtime.DebriefTopLine=15", NextDebriefPage, "Runtime.DebriefTopLine=1"},
      {"Runtime.HelpPage=4", help, "Runtime.HelpPage=5"},
      {"Runtime.HelpPage=5", help, "Runtime.HelpPage=1"},
      {"Runtime.HelpPage=2147483647", help, "Runtime.HelpPage=1"},
  };
  for (const Case& c : cases) {
    auto state = SettledTeam();
    Assign(*state, c.setup);
    c.step(*state);
    EXPECT_EQ(Mismatches(*state, c.expect), "") << c.setup;
  }
}

TEST(HubNavigationTest, ASectionOpensOnItsFirstPageAloneLit) {
  auto state = SettledTeam();
  Assign(*state,
         "Runtime.HubSection=1 Runtime.HubPage=3 Runtime.HubSectionGlow[1]=7 Runtime.HubSectionGlow[4]=2");
  state->Runtime.HubMessage1 = "Bought.";
  SelectSection(*state, 6);
  EXPECT_EQ(
      Mismatches(
          *state,
          "Runtime.HubSection=6 Runtime.HubPage=1 Runtime.HubSectionGlow[6]=1 Runtime.HubSectionGlow[1]=0 "
          "Runtime.HubSectionGlow[4]=0"),
      "");
  EXPECT_TRUE(state->Runtime.HubMessage1.empty());
  OpenTeamPage(*state, 6);
  EXPECT_EQ(state->Runtime.DebriefTopLine, Int(1));
}

}  // namespace
}  // namespace vantoro::testing
