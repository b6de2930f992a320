#include "screen_fixture.hpp"
#include "screens/hub/hub_screen.hpp"
#include "screens/hub/hub_widgets.hpp"

namespace vantoro::testing {
namespace {

class HubTest : public ScreenTest {};

TEST_F(HubTest, OpeningIgnoresPressesThenTakesThem) {
  Script({"wait 25", "press 100 100", "wait 1400", "press 250 490", "press 560 490", "wait 500"});
  EXPECT_LT(State().Runtime.HubIntroCounter, 470);
  Script({"press 50 185", "expect Runtime.HubSection 1", "expect Runtime.SplashTicks 0"});
  // 32 ticks in all: 1 + 15 x 31 is still short of 470.
  Script({"wait 1050", "expect Runtime.HubIntroCounter 466", "wait 50", "press 50 185",
          "expect Runtime.HubSection 2", "expect Runtime.SplashTicks 1"});
}

TEST_F(HubTest, SectionsAndTabsAndWhatTheyClear) {
  EnterHub();
  Script({"set Runtime.HubMessage1 raffle", "press 290 115", "expect Runtime.HubPage 2",
          "expect Runtime.HubMessage1 raffle", "press 50 395", "expect Runtime.HubSection 5",
          "expect Runtime.HubPage 1", "expect Runtime.HubMessage1 ", "expect Runtime.HubSectionGlow[1] 0",
          "expect Runtime.HubSectionGlow[5] 1"});
  // ADMIN has two tabs: the third tab's place does nothing there.
  Script({"press 50 535", "press 400 115", "expect Runtime.HubPage 1", "press 290 115",
          "expect Runtime.HubPage 2"});
  // The selected box widens a pixel a tick up to 121 and stays.
  Script({"wait 2000", "expect Runtime.HubSectionGlow[7] 21", "press 50 535",
          "expect Runtime.HubSectionGlow[7] 1"});
}

TEST_F(HubTest, CashColourByAmount) {
  EnterHub();
  struct Case {
    int cash;
    std::uint32_t color;
  };
  for (const Case c :
       {Case{749, 0xFF0000}, Case{750, 0xFFFF00}, Case{1499, 0xFFFF00}, Case{1500, 0xA6CAF0}}) {
    Script({"set Team.Cash " + std::to_string(c.cash), "wait 50"});
    EXPECT_TRUE(AreaHas(550, 105, 740, 125, Rgb(c.color))) << c.cash;
  }
}

TEST_F(HubTest, EveryTickResetsWhatTheTournamentReads) {
  EnterHub();
  Script({"set Runtime.Weather 0", "set Runtime.FlankTactic 3", "set Runtime.LeaderTactic 2",
          "set Runtime.MatchOutcome 2", "set Runtime.MalfunctionShown 1", "set Team.Month 4", "wait 50",
          "expect Runtime.FlankTactic 1", "expect Runtime.LeaderTactic 1", "expect Runtime.MatchOutcome 0",
          "expect Runtime.MalfunctionShown 0", "expect Runtime.TournamentMonth 1", "set Team.Month 7",
          "wait 50", "expect Runtime.TournamentMonth 0"});
  EXPECT_TRUE(InRange(State().Runtime.Weather, 1, 3));
}

TEST_F(HubTest, SettingsLinesOnlyOnPageOne) {
  EnterHub();
  Script({"wait 50"});
  EXPECT_TRUE(AreaHas(130, 504, 300, 560, Rgb(0x5555AA)));
  Script({"press 290 115", "wait 50"});
  EXPECT_FALSE(AreaHas(130, 504, 300, 520, Rgb(0x5555AA)));
}

}  // namespace
}  // namespace vantoro::testing
