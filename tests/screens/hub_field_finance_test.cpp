// FIELD and FINANCE through the hub: presses, grey states, the share chart
// and the way to a gambling game and back.

#include <string>

#include "screen_fixture.hpp"

namespace vantoro::testing {
namespace {

class HubFieldFinanceTest : public ScreenTest {
 protected:
  void Open(int section, int tabX) {
    EnterHub();
    Script({"press 50 " + std::to_string(90 + 70 * (section - 1) + 25),
            "press " + std::to_string(tabX) + " 115", "wait 50"});
  }
  void Press(int x, int y) { Script({"press " + std::to_string(x) + " " + std::to_string(y), "wait 50"}); }
};

TEST_F(HubFieldFinanceTest, TrainingGreysOnceThePlayerIsTired) {
  Open(4, 180);
  Script({"set Team.Cash 200", "set Team.PlayerTrained[2] 0"});
  Press(180, 225);  // player 2
  EXPECT_EQ(FramePixel(350, 225), kGreenFill);
  Press(420, 215);  // Endurance
  Script({"expect Team.PlayerTrained[2] 1", "expect Team.Cash 100"});
  EXPECT_EQ(FramePixel(350, 225), Rgb(0x222222));
  Press(420, 215);
  Script({"expect Team.Cash 100"});
}

TEST_F(HubFieldFinanceTest, PracticeAndTheRecruit) {
  Open(4, 290);
  Script({"set Team.Cash 150"});
  Press(420, 255);  // Speedball
  Script({"expect Team.Cash 50", "expect Team.PlayerTrained[7] 1"});
  Script({"set Runtime.RecruitGenerated 0", "press 400 115", "wait 50", "expect Runtime.RecruitGenerated 1",
          "set Team.Cash 100000", "wait 50"});
  Press(220, 330);  // View Next Player
  Script({"expect Runtime.SelectedPlayer 2"});
  const std::string recruit = State().Team.PlayerName[8].Str();
  Press(400, 330);  // Hire
  EXPECT_EQ(State().Team.PlayerName[2].Str(), recruit);
  Script({"expect Runtime.RecruitGenerated 2"});
  EXPECT_TRUE(AreaHas(315, 165, 495, 185, Rgb(0xFF0000)));  // "No Recruits Available"
}

TEST_F(HubFieldFinanceTest, FundraisingOnceAMonthAndTheBank) {
  Open(5, 180);
  Script({"set Team.Sponsorship 0", "set Runtime.FundraisedThisMonth 0", "wait 50"});
  EXPECT_EQ(FramePixel(140, 265), kGreenFill);  // donations
  Press(185, 215);                              // raffle
  Script({"expect Runtime.FundraisedThisMonth 1"});
  EXPECT_EQ(FramePixel(140, 265), Rgb(0x222222));
  EXPECT_EQ(FramePixel(140, 305), Rgb(0x222222));  // sponsors
  EXPECT_EQ(FramePixel(140, 345), kGreenFill);     // the bank is never grey
  Press(185, 335);
  Script({"expect Runtime.HubPage 4", "set Runtime.BankOpenRoll 50", "set Team.BankBalance 0",
          "set Team.Cash 100", "wait 50"});
  Press(440, 320);  // loan
  Script({"expect Team.BankBalance -1000", "expect Team.Cash 1100"});
  Press(195, 320);  // ADD $10
  Press(195, 320);
  Press(410, 270);  // DEPOSIT
  Script({"expect Team.BankBalance -980", "expect Team.Cash 1080", "set Runtime.BankOpenRoll 20", "wait 50"});
  Press(195, 320);
  Script({"expect Runtime.BankAmount 0"});
  EXPECT_FALSE(AreaHas(135, 305, 255, 335, kGreenFill));  // closed: no buttons
}

TEST_F(HubFieldFinanceTest, SharesTradeAndTheChartSkipsMonthsOutOfRange) {
  Open(5, 290);
  Script({"set Runtime.SelectedCompany 2", "set Team.SharePrice[2] 45", "set Team.Cash 45",
          "set Team.SharesHeld[2] 0"});
  for (int k = 1; k <= 120; ++k) State().Team.SharePriceHistory[k][1] = 100;
  State().Team.SharePriceHistory[60][1] = 300;  // would spike to the top of the chart at x 631
  Press(185, 335);
  Script({"expect Team.SharesHeld[2] 1", "expect Team.Cash 0"});
  EXPECT_TRUE(AreaHas(520, 486, 760, 489, Rgb(0x007799)));  // company 1's line at $100
  EXPECT_FALSE(AreaHas(625, 390, 637, 470, Rgb(0x007799)));
  Press(200, 235);  // company 3
  Script({"expect Runtime.SelectedCompany 3"});
}

TEST_F(HubFieldFinanceTest, AGameOpensOnceAMonthAndReturnsToTheSamePage) {
  Open(5, 400);
  Script({"set Runtime.GambledThisMonth 0", "wait 50"});
  // Before the game's first tick, which carries out the reset it asks for.
  Script({"press 185 215", "expect-screen horse-racing", "expect Runtime.RaceReset 1",
          "expect Runtime.BetHorse 1"});
  driver->Screens().HandOver(ScreenId::HorseRacing, ScreenId::Hub);
  Script({"set Runtime.GambledThisMonth 1", "wait 50", "expect-screen hub", "expect Runtime.HubSection 5",
          "expect Runtime.HubPage 3", "expect Runtime.HubIntroCounter 470"});
  EXPECT_EQ(FramePixel(140, 265), Rgb(0x444444));
  Press(185, 295);
  Script({"expect-screen hub"});
}

// Values a damaged save may hold: every FIELD and FINANCE page draws and acts safely.
TEST_F(HubFieldFinanceTest, HostileValuesDrawEveryPage) {
  EnterHub();
  for (const char* set :
       {"Runtime.SelectedCompany 0", "Runtime.SelectedCompany 9", "Runtime.BankOpenRoll 1000",
        "Team.SharePrice[1] 2147483647", "Team.SharePriceHistory[1][2] 2147483647",
        "Team.SharePriceHistory[1][3] -2147483648", "Team.SharesHeld[4] 500", "Team.HistoryRow -7",
        "Team.Year 2147483647", "Runtime.SelectedPlayer 99", "Team.PlayerTrained[1] -2147483648",
        "Team.BankBalance -2147483648", "Runtime.BankAmount 2147483647",
        "Team.PlayerMarkerType[8] 2147483647"}) {
    Script({std::string("set ") + set, "set Runtime.RecruitGenerated 0"});
    for (const auto& [section, page] : {std::pair{4, 1}, {4, 2}, {4, 3}, {5, 1}, {5, 2}, {5, 3}, {5, 4}}) {
      State().Runtime.HubSection = section;
      State().Runtime.HubPage = page;
      Script({"wait 50", "press 185 335", "press 400 330", "press 410 270", "press 300 320",
              "expect-screen hub"});
    }
  }
}

}  // namespace
}  // namespace vantoro::testing
