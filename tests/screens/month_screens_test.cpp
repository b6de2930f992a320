#include <climits>

#include "screen_fixture.hpp"
#include "screens/league_end_screen.hpp"

namespace vantoro::testing {
namespace {

class MonthScreensTest : public ScreenTest {
 protected:
  // A new game's squad, straight to the end of the month as END TURN does.
  void EndTurn() {
    EnterHub();
    driver->Screens().HandOver(ScreenId::Hub, ScreenId::EndOfMonth);
    Script({"set Runtime.MonthProcessed 0", "set Runtime.MonthScroll 1"});
  }
  void SetMorale(int morale) {
    for (int p = 1; p <= 7; ++p) State().Team.PlayerMorale[p] = morale;
  }
};

TEST_F(MonthScreensTest, ProcessesOnceAndScrollsUpThenRests) {
  EndTurn();
  Script({"set Team.Month 3", "set Team.Year 2001"});
  Script({"wait 50", "expect-screen end-of-month", "expect Team.Month 4", "expect Runtime.MonthProcessed 1",
          "expect Runtime.MonthScroll 395", "expect Runtime.MonthLines[1] It is now April 2001"});
  // Eighty ticks from 400 to rest; the month is never processed twice.
  Script({"wait 3900", "expect Runtime.MonthScroll 5", "wait 50", "expect Runtime.MonthScroll -1", "wait 500",
          "expect Runtime.MonthScroll -1", "expect Team.Month 4"});
  // Line 1 rests at y 65, under the panel's title.
  EXPECT_TRUE(AreaHas(25, 65, 200, 81, Rgb(0x332222)));
}

TEST_F(MonthScreensTest, NextTurnResetsAndReturnsToTheHub) {
  EndTurn();
  Script({"wait 50", "set Team.PlayerPaid[3] 1", "set Team.PlayerTrained[2] 1", "set Team.TeamFinePaid 1",
          "set Team.PlayerMarkerType[4] 0", "set Team.PlayerMarkerCustom[4] 2", "set Runtime.BankAmount 500",
          "set Runtime.HubSection 6", "set Runtime.HubSectionGlow[2] 9"});
  const Int row = State().Team.HistoryRow;
  Script({"press 580 475", "press 630 460", "expect-screen end-of-month"});  // the edges are outside
  Script({"press 630 475", "expect-screen hub", "expect Team.PlayerPaid[3] 0",
          "expect Team.PlayerTrained[2] 0", "expect Team.TeamFinePaid 0",
          "expect Team.PlayerMarkerCustom[4] 0", "expect Runtime.BankAmount 0",
          "expect Runtime.HubSectionGlow[2] 0", "expect Runtime.HubSectionGlow[6] 1",
          "expect Runtime.HubIntroCounter 1"});
  EXPECT_EQ(State().Team.HistoryRow, row + 1);
  EXPECT_TRUE(State().Runtime.RecruitGenerated == 0 || State().Runtime.RecruitGenerated == 2);
  EXPECT_FALSE(driver->Screens().TickRunning(ScreenId::EndOfMonth));
}

TEST_F(MonthScreensTest, TheLastDecemberLeadsToTheLeagueEnd) {
  EndTurn();
  Script({"set Team.Month 12", "set Team.Year 2000", "set Team.GameLengthYears 1"});
  Script({"wait 50", "expect-screen end-of-month", "expect Team.Year 2001", "expect Team.Month 1", "wait 50",
          "expect-screen league-end", "expect Runtime.RocketX 400", "expect Runtime.BurstHeight 300"});
  EXPECT_FALSE(driver->Screens().TickRunning(ScreenId::EndOfMonth));
  Script({"wait 5000", "expect-screen league-end", "press 400 300", "expect-screen title"});
  EXPECT_FALSE(driver->Screens().TickRunning(ScreenId::LeagueEnd));
}

TEST_F(MonthScreensTest, MoraleDecidesTheBreakup) {
  EndTurn();
  Script({"wait 50"});
  SetMorale(39);
  Script({"wait 20000", "expect-screen end-of-month"});
  SetMorale(38);
  Script({"wait 20000", "expect-screen team-breakup", "press 10 10", "expect-screen title"});
  EXPECT_FALSE(driver->Screens().TickRunning(ScreenId::TeamBreakup));
}

TEST_F(MonthScreensTest, PumpsOnlyLimitsEveryMarkerOnEveryTick) {
  EndTurn();
  Script({"wait 50", "set Team.GameType 1", "set Team.PlayerMarkerType[2] 9",
          "set League[4].PlayerMarkerType[7] 10", "wait 50", "expect Team.PlayerMarkerType[2] 4",
          "expect League[4].PlayerMarkerType[7] 4"});
}

TEST_F(MonthScreensTest, HostileValuesNeverCrash) {
  const std::string big = std::to_string(INT_MAX), small = std::to_string(INT_MIN);
  EnterHub();
  for (const std::string& v : {big, small, std::string("0")}) {
    Script({"set Team.Month " + v, "set Team.Year " + v, "set Team.Cash " + v, "set Team.BankBalance " + v,
            "set Team.Paintballs " + v, "set Team.HistoryRow " + v, "set Team.NextOpponent " + v,
            "set Team.RivalTeamA " + v, "set Team.Sponsorship " + v, "set Runtime.TrophyKind " + v,
            "set Runtime.MatchOutcome 1", "set Runtime.HubSection " + v, "set Team.GameLengthYears " + v});
    driver->Screens().HandOver(ScreenId::Hub, ScreenId::EndOfMonth);
    Script({"set Runtime.MonthProcessed 0", "set Runtime.MonthScroll 1", "wait 200", "press 630 475",
            "wait 100"});
    if (!driver->Screens().Visible(ScreenId::Hub)) {
      // The league ended or the team broke up: start again from the hub.
      driver->Screens().HandOver(*driver->Screens().VisibleScreen(), ScreenId::Hub);
    }
  }
}

TEST(LeagueEndTest, RankText) {
  struct Case {
    int own;
    std::vector<int> others;
    const char* text;
  };
  const Case cases[] = {
      {90, {10, 20, 30, 40, 50, 60, 70, 80, 85}, "Rank: 1st"},
      {90, {90, 20, 30, 40, 50, 60, 70, 80, 85}, "Rank: 1st equal"},
      {50, {60, 70, 80, 10, 10, 10, 10, 10, 50}, "Rank: 4th equal"},
      {50, {60, 70, 80, 10, 10, 10, 10, 10, 10}, "Rank: 4th"},
      {0, {1, 1, 1, 1, 1, 1, 1, 1, 1}, "Rank: 10th"},
      {40, {50, 40, 0, 0, 0, 0, 0, 0, 0}, "Rank: 2nd equal"},
  };
  for (const Case& c : cases) {
    TeamRecord team{};
    LeagueRecord league{};
    team.LeagueScore = c.own;
    for (int t = 1; t <= 9; ++t) league[t].LeagueScore = c.others[static_cast<std::size_t>(t - 1)];
    EXPECT_EQ(LeagueEndRankText(team, league), c.text);
  }
}

}  // namespace
}  // namespace vantoro::testing
