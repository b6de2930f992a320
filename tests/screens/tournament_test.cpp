// A tournament from the TURN END page: the line-up, the game, the score
// sheet and the verdict, and the month's end that books the result.

#include <string>

#include "screen_fixture.hpp"

namespace vantoro::testing {
namespace {

class TournamentTest : public ScreenTest {
 protected:
  // February's tournament, reached by car.
  void Travel() {
    EnterHub();
    Script({"set Team.Month 2", "press 50 465", "press 400 115", "wait 50", "press 185 460",
            "expect-screen tournament", "wait 50"});
  }
  bool MonthListHas(const std::string& line) {
    for (const std::string& l : State().Runtime.MonthLines) {
      if (l == line) return true;
    }
    return false;
  }
};

TEST_F(TournamentTest, ATournamentIsPlayedScoredAndBooked) {
  Travel();
  const std::string first = State().Team.PlayerName[1].Str(), second = State().Team.PlayerName[2].Str();
  Script({"expect Runtime.MatchOpponent 1", "press 150 435"});
  EXPECT_EQ(State().Team.PlayerName[1].Str(), second);
  Script({"press 150 435"});
  EXPECT_EQ(State().Team.PlayerName[1].Str(), first);
  // In rain only two tactics are offered: Drop Short, Go Medium, Drop Short.
  Script({"set Runtime.Weather 3", "press 700 475", "expect Runtime.FlankTactic 2", "press 700 475",
          "expect Runtime.FlankTactic 1", "press 700 535", "press 700 535", "expect Runtime.LeaderTactic 1"});
  Script({"press 700 105", "expect-screen match", "expect Runtime.MatchClock 20",
          "expect Runtime.PlayerCell[8] 57", "wait 50"});
  EXPECT_TRUE(AreaHas(50, 50, 750, 422, Rgb(0x0000FF)));  // the team's discs on the field
  Script({"wait 29000", "expect-screen result", "expect Runtime.ResultComputed 1"});
  const int lines = State().Runtime.MatchLogCount.v;
  EXPECT_GT(lines, 20);
  EXPECT_EQ(State().Runtime.MatchLog[1], "GAME PLAYED: 2/2000.");
  // Whatever the game gave, the sheet says the team won.
  Script({"set Runtime.OwnFinalScore 99", "set Runtime.OppositionFinalScore 10", "press 650 525", "wait 50",
          "expect Runtime.MatchOutcome 1", "press 650 525", "expect-screen end-of-month", "wait 100"});
  EXPECT_TRUE(MonthListHas("You Won a tournament game! $700 Cash Prize!"));
  EXPECT_TRUE(MonthListHas("You win additional paint, and a trophy!"));
  EXPECT_EQ(State().Team.GamesWon, Int(1));
  const Int kind = State().Runtime.TrophyKind;
  ASSERT_TRUE(InRange(kind, 1, 4));
  EXPECT_EQ(State().Team.Trophies[kind], Int(1));
  EXPECT_EQ(State().Team.LeagueScore, Int(99));
  // DEBRIEF pages through the game's log.
  Script({"press 630 475", "wait 1700", "press 550 475", "wait 50", "expect Runtime.HubPage 6"});
  EXPECT_EQ(State().Runtime.MatchLogCount, Int(lines));
}

TEST_F(TournamentTest, TheMatchIgnoresPressesAndTheCloseButton) {
  Travel();
  Script({"press 700 105", "press 400 300", "close", "wait 100", "expect-screen match"});
}

// Values a damaged save (or a stray one) may hold: every screen of the
// tournament draws and the game still ends.
TEST_F(TournamentTest, HostileValuesDrawEveryScreen) {
  for (const char* set : {"Team.NextOpponent 42", "Team.NextOpponent -2147483648", "Team.PlayerGender[1] 7",
                          "Team.PlayerFigure[2] 2147483647", "Team.PlayerMarkerType[3] 2147483647",
                          "Team.FieldType 7", "Team.FieldType 2", "Team.PlayerSpeed[4] -5"}) {
    SCOPED_TRACE(set);
    Travel();
    Script({std::string("set ") + set,
            "set Runtime.Weather 77",
            "set Runtime.FlankTactic 9",
            "wait 50",
            "press 700 105",
            "wait 50",
            "set Runtime.ActionPicture 0",
            "set Runtime.SplatCount 100000",
            "set Runtime.PlayerCell[3] 99",
            "set Runtime.FlagCell -7",
            "wait 100",
            "set Runtime.ActionPicture 9",
            "set Runtime.SplatCount -5",
            "wait 29000",
            "expect-screen result",
            "set Runtime.ResultStage 1",
            "set Runtime.TrophyKind 99",
            "wait 50",
            "press 650 525",
            "expect-screen end-of-month"});
    TearDown();
    SetUp();
  }
}

}  // namespace
}  // namespace vantoro::testing
