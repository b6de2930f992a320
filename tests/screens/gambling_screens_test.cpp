// The three gambling games from the hub's GAMBLE page and back.

#include <string>

#include "screen_fixture.hpp"

namespace vantoro::testing {
namespace {

class GamblingScreensTest : public ScreenTest {
 protected:
  // The GAMBLE page, then the game at the button's row.
  void OpenGame(int buttonY, const char* screen) {
    EnterHub();
    Script({"press 50 395", "press 400 115", "set Team.Cash 1000", "set Runtime.GambledThisMonth 0",
            "wait 50", "press 185 " + std::to_string(buttonY), "expect-screen " + std::string(screen),
            "wait 50"});
  }
  // Back on the GAMBLE page with the month's gambling used up.
  void ExpectBackOnGamblePage() {
    Script({"wait 50", "expect-screen hub", "expect Runtime.HubSection 5", "expect Runtime.HubPage 3",
            "expect Runtime.GambledThisMonth 1", "expect Runtime.HubIntroCounter 470"});
  }
};

TEST_F(GamblingScreensTest, ARaceIsBetOnRunAndLeft) {
  OpenGame(215, "horse-racing");
  Script({"press 225 175", "press 225 175", "press 495 175"});  // $20 on horse 2
  Script({"expect Runtime.BetTens 2", "expect Runtime.BetHorse 2", "press 600 175",
          "expect Runtime.RaceState 1", "expect Team.Cash 980", "wait 12000", "expect Runtime.RaceState 4"});
  const bool won = State().Runtime.RaceWinner == 2;
  EXPECT_EQ(State().Team.Cash, Int(won ? 1020 : 980));
  EXPECT_TRUE(AreaHas(300, 300, 500, 500, Rgb(0xFF0000)));  // the result's circle
  Script({"press 730 545"});
  ExpectBackOnGamblePage();
}

TEST_F(GamblingScreensTest, AHandIsDealtPlayedAndLeft) {
  OpenGame(255, "card-game");
  Script({"press 680 285", "expect Runtime.CardState 0",  // STAND while betting does nothing
          "press 225 125", "press 600 125", "expect Runtime.CardState 1", "expect Team.Cash 990", "wait 50",
          "expect Runtime.CardState 2", "expect Runtime.PlayerCardCount 1", "press 680 285", "wait 500"});
  const Int state = State().Runtime.CardState;
  ASSERT_TRUE(state == 88 || state == 92) << state.v;
  Script({"press 680 285"});
  ExpectBackOnGamblePage();
}

TEST_F(GamblingScreensTest, TheSlotMachineSpinsHoldsAndIsLeftWithoutCredits) {
  OpenGame(295, "slot-machine");
  Script({"press 350 367", "expect Runtime.SlotState 0",  // no credits yet
          "press 160 365", "expect Runtime.SlotCredits 20", "expect Team.Cash 900", "press 350 367",
          "expect Runtime.SpinTicks 10", "expect Runtime.SlotCredits 19", "wait 600"});
  EXPECT_TRUE(State().Runtime.SlotState == 3 || State().Runtime.SlotState == 5);
  Script({"press 730 470", "expect-screen slot-machine"});  // credits left: no way out
  for (int i = 0; i < 40 && State().Runtime.SlotCredits > 0; ++i) Script({"press 160 415"});
  Script({"expect Runtime.SlotCredits 0", "wait 50", "press 355 475"});
  ExpectBackOnGamblePage();
}

}  // namespace
}  // namespace vantoro::testing
