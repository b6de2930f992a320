#include <climits>

#include "screen_fixture.hpp"

namespace vantoro::testing {
namespace {

class HubTeamTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    EnterHub();
    Script({"press 290 115", "press 150 205", "expect Runtime.SelectedPlayer 1"});
  }
};

TEST_F(HubTeamTest, PayNeedsAHundredDollarsOncePerMonth) {
  Script({"set Team.Cash 99", "press 300 330", "expect Team.Cash 99", "expect Team.PlayerPaid[1] 0",
          "set Team.Cash 100", "set Team.PlayerMorale[1] 100", "press 300 330", "expect Team.Cash 0",
          "expect Team.PlayerPaid[1] 1", "expect Team.PlayerMorale[1] 100", "set Team.Cash 500",
          "press 300 330", "expect Team.Cash 500"});
  Script({"wait 50"});
  EXPECT_TRUE(AreaHas(266, 316, 364, 344, Rgb(0x222222))) << "a paid player's button is grey";
  EXPECT_FALSE(AreaHas(266, 316, 364, 344, Rgb(0x55AA55))) << "and has no label";
}

TEST_F(HubTeamTest, FineCapsPopularityFloorsMoraleOncePerTeam) {
  Script({"set Team.Cash 0", "set Team.PlayerPopularity[1] 99", "set Team.PlayerMorale[1] 6", "press 420 330",
          "expect Team.Cash 100", "expect Team.PlayerPopularity[1] 100", "expect Team.TeamFinePaid 1"});
  EXPECT_GE(State().Team.PlayerMorale[1], 5);
  // One fine a month for the whole team: every player's FINE is grey.
  Script({"press 150 245", "press 420 330", "expect Team.Cash 100", "wait 50"});
  EXPECT_TRUE(AreaHas(386, 316, 484, 344, Rgb(0x222222)));
}

TEST_F(HubTeamTest, NextTeamWrapsAndDebriefPages) {
  Script({"press 550 435", "expect Runtime.HubPage 5", "set Runtime.ViewedOpponent 8", "press 400 210",
          "expect Runtime.ViewedOpponent 9", "press 400 210", "expect Runtime.ViewedOpponent 1"});
  struct Case {
    int lines;
    std::vector<int> tops;
  };
  for (const Case& c : {Case{20, {15, 29, 1}}, Case{14, {15, 1}}}) {
    Script({"set Runtime.MatchLogCount " + std::to_string(c.lines), "press 550 475",
            "expect Runtime.DebriefTopLine 1"});
    for (int top : c.tops) Script({"press 740 465", "expect Runtime.DebriefTopLine " + std::to_string(top)});
  }
}

TEST_F(HubTeamTest, DebriefColoursTheReportsSeparators) {
  Script({"set Runtime.MatchLog[1] " + std::string(48, '-'),
          "set Runtime.MatchLog[2] " + std::string(54, '='),
          "set Runtime.MatchLog[3] " + std::string(47, '-'), "set Runtime.MatchLogCount 3", "press 550 475",
          "wait 50"});
  EXPECT_TRUE(AreaHas(135, 165, 500, 185, Rgb(0x00FF00)));
  // Thin '=' strokes are anti-aliased: look for reddish ink rather than pure red.
  const auto reddish = [&](int top) {
    for (int y = top; y < top + 20; ++y) {
      for (int x = 135; x < 500; ++x) {
        const Color c = FramePixel(x, y);
        if (c.R > 100 && c.G < 40 && c.B < 40) return true;
      }
    }
    return false;
  };
  EXPECT_TRUE(reddish(185));
  EXPECT_FALSE(AreaHas(135, 205, 500, 225, Rgb(0x00FF00))) << "47 dashes are an ordinary line";
  EXPECT_FALSE(reddish(205));
}

TEST_F(HubTeamTest, HostileValuesDrawOnEveryPage) {
  const std::string big = std::to_string(INT_MAX), small = std::to_string(INT_MIN);
  for (const std::string& v : {big, small, std::string("0"), std::string("-1")}) {
    Script({"set Team.NextOpponent " + v, "set Team.PlayerGender[1] " + v, "set Team.PlayerPortrait[1] " + v,
            "set Team.PlayerMarkerType[2] " + v, "set Team.PlayerMarkerCustom[1] " + v,
            "set Team.Trophies[3] " + v, "set Team.Cash " + v, "set Team.PlayerSpeed[4] " + v,
            "set League[2].PlayerAccuracy[7] " + v, "set League[5].LeagueScore " + v, "set Team.Month " + v,
            "set Team.GameLengthYears " + v, "set Runtime.MatchLogCount " + v,
            "set Runtime.ViewedOpponent " + v, "set Runtime.AnimFrame " + v,
            "set Runtime.DebriefTopLine " + v, "set Runtime.SelectedPlayer " + v});
    for (const char* tab :
         {"press 180 115", "press 290 115", "press 400 115", "press 550 395", "press 550 435",
          "press 550 475", "press 740 465", "press 300 330", "press 420 330", "press 400 210"}) {
      Script({tab, "wait 50"});
    }
  }
  // A damaged name's length byte of 255 reads as 50 characters.
  State().Team.PlayerName[1].Length = 255;
  State().League[1].Name.Length = 255;
  Script({"set Runtime.SelectedPlayer 1", "press 180 115", "wait 50", "press 290 115", "wait 50",
          "press 550 395", "wait 50"});
}

}  // namespace
}  // namespace vantoro::testing
