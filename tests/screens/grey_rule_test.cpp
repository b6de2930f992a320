// A button that cannot act is drawn grey, or not at all; a button drawn as
// able to act acts. Each row draws a button in one state, looks for its
// enabled colours and presses it in that same state.

#include <cstring>
#include <string>
#include <vector>

#include "screen_fixture.hpp"
#include "sim/gambling_rules.hpp"
#include "state/save_slot.hpp"

namespace vantoro::testing {
namespace {

struct Area {
  int L, T, R, B;
};

struct GreyCase {
  const char* Name;
  std::vector<std::string> Setup;  // script lines, from the hub past its opening
  Area Look;                       // where the button's enabled colour shows, when it shows
  Color Enabled;
  int X, Y;  // the press
  bool Acts;
};

void PrintTo(const GreyCase& c, std::ostream* os) { *os << c.Name; }

constexpr Color kHubGreen = Rgb(0x004400), kMoneyGreen = Rgb(0x004400), kExitRed = Rgb(0x440000);
constexpr Color kKnob = Rgb(0xFFFF00), kWordGreen = Rgb(0x008000);

// The INDIVIDUAL page of player 1.
const std::vector<std::string> kIndividual = {"press 50 115", "press 290 115", "wait 50", "press 150 205"};
// TURN END in August, a Usari with seven markers of one model aboard:
// model 2 and up overload it.
std::vector<std::string> TurnEnd(int cash, int model) {
  std::vector<std::string> lines = {"set Team.Month 8", "set Team.Vehicle 1",
                                    "set Team.Cash " + std::to_string(cash)};
  for (int p = 1; p <= 7; ++p)
    lines.push_back("set Team.PlayerMarkerType[" + std::to_string(p) + "] " + std::to_string(model));
  lines.insert(lines.end(), {"press 50 465", "press 400 115"});
  return lines;
}
std::vector<std::string> With(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
// A game of the GAMBLE page, open.
std::vector<std::string> OpenGamble(int buttonY) {
  return {"press 50 395",
          "press 400 115",
          "set Runtime.GambledThisMonth 0",
          "wait 50",
          "press 185 " + std::to_string(buttonY),
          "wait 50"};
}

class GreyRuleTest : public ScreenTest, public ::testing::WithParamInterface<GreyCase> {};

TEST_P(GreyRuleTest, ButtonsLookAbleExactlyWhenTheyAct) {
  const GreyCase& c = GetParam();
  EnterHub();
  for (const std::string& line : c.Setup) Script({line});
  Script({"wait 50"});
  const bool looksAble = AreaHas(c.Look.L, c.Look.T, c.Look.R, c.Look.B, c.Enabled);
  EXPECT_EQ(looksAble, c.Acts) << "drawn " << (looksAble ? "able" : "grey or hidden");

  const TeamRecord team = State().Team;
  const std::string screen = driver->VisibleScreenName();
  const RuntimeState& r = State().Runtime;
  const Int credits = r.SlotCredits, cards = r.CardState, spin = r.SpinTicks;
  driver->PressFrame(c.X, c.Y);
  const bool acted = std::memcmp(&team, &State().Team, sizeof team) != 0 ||
                     screen != driver->VisibleScreenName() || credits != r.SlotCredits ||
                     cards != r.CardState || spin != r.SpinTicks;
  EXPECT_EQ(acted, c.Acts);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, GreyRuleTest,
    ::testing::Values(
        GreyCase{"PayWith100",
                 With({"set Team.Cash 100"}, kIndividual),
                 {266, 316, 364, 344},
                 kMoneyGreen,
                 300,
                 330,
                 true},
        GreyCase{"PayWith99",
                 With({"set Team.Cash 99"}, kIndividual),
                 {266, 316, 364, 344},
                 kMoneyGreen,
                 300,
                 330,
                 false},
        GreyCase{"PayInDebt",
                 With({"set Team.Cash -500"}, kIndividual),
                 {266, 316, 364, 344},
                 kMoneyGreen,
                 300,
                 330,
                 false},
        GreyCase{"PayTwice",
                 With({"set Team.Cash 500", "set Team.PlayerPaid[1] 1"}, kIndividual),
                 {266, 316, 364, 344},
                 kMoneyGreen,
                 300,
                 330,
                 false},
        GreyCase{"Fine", kIndividual, {386, 316, 484, 344}, kMoneyGreen, 420, 330, true},
        GreyCase{"FineWithADamagedFlag",
                 With({"set Team.TeamFinePaid 2"}, kIndividual),
                 {386, 316, 484, 344},
                 kMoneyGreen,
                 420,
                 330,
                 false},
        GreyCase{"CarWithRoom", TurnEnd(1000, 1), {136, 446, 234, 474}, kHubGreen, 185, 460, true},
        GreyCase{"CarOverloaded", TurnEnd(1000, 3), {136, 446, 234, 474}, kHubGreen, 185, 460, false},
        GreyCase{"HireOverloaded", TurnEnd(1000, 3), {241, 446, 339, 474}, kHubGreen, 290, 460, true},
        GreyCase{"CarUnaffordable", TurnEnd(100, 1), {136, 446, 234, 474}, kHubGreen, 185, 460, false},
        GreyCase{"CardsExitWhileTheHouseDraws",
                 With(OpenGamble(255), {"set Runtime.CardState 80", "set Runtime.PlayerCardCount 3",
                                        "set Runtime.PlayerCards[1] 10", "set Runtime.PlayerCards[2] 10",
                                        "set Runtime.PlayerCards[3] 1", "set Runtime.HouseCardCount 1",
                                        "set Runtime.HouseCards[1] 1", "seed 7"}),
                 {601, 261, 749, 309},
                 Rgb(0x004400),
                 680,
                 285,
                 false},
        GreyCase{"CardsExitAfterTheHand",
                 With(OpenGamble(255), {"set Runtime.CardState 88"}),
                 {601, 261, 749, 309},
                 Rgb(0x004400),
                 680,
                 285,
                 true},
        GreyCase{"SlotsExitWhileTheLastCreditSpins",
                 With(OpenGamble(295), {"set Runtime.SlotState 4", "set Runtime.SpinTicks 8"}),
                 {311, 451, 399, 499},
                 kExitRed,
                 355,
                 475,
                 false},
        GreyCase{"SlotsExitWithNothingLeft", OpenGamble(295), {311, 451, 399, 499}, kExitRed, 355, 475, true},
        GreyCase{"SlotsKnobWithoutCredits", OpenGamble(295), {340, 360, 365, 375}, kKnob, 352, 367, false},
        GreyCase{"SlotsKnobWithCredits",
                 With(OpenGamble(295), {"press 160 365"}),
                 {340, 360, 365, 375},
                 kKnob,
                 352,
                 367,
                 true}),
    [](const ::testing::TestParamInfo<GreyCase>& c) { return std::string(c.param.Name); });

TEST_F(ScreenTest, CommitIsGreyUntilThereIsASquadToCommit) {
  Script({"wait 25", "press 100 100", "wait 1400", "expect-screen team-creation"});
  EXPECT_FALSE(AreaHas(530, 480, 600, 500, kWordGreen) || AreaHas(530, 480, 600, 500, Rgb(0xC0DCC0)));
  Script({"press 560 490", "expect-screen team-creation", "press 250 490", "wait 35"});
  EXPECT_TRUE(AreaHas(530, 480, 600, 500, kWordGreen) || AreaHas(530, 480, 600, 500, Rgb(0xC0DCC0)));
  Script({"press 560 490", "expect-screen hub"});
}

// A team in debt that sits down at the cards can always play a hand for
// nothing and so reach the way out.
TEST_F(ScreenTest, ATeamInDebtCanPlayAHandForNothingAndLeaveTheCards) {
  Script({"wait 25", "press 100 100", "wait 1400", "press 250 490"});
  TeamRecord team = State().Team;
  team.Cash = -50;
  ASSERT_TRUE(SaveSlot(folder, team, State().League).Ok());
  Script({"press 400 490", "expect-screen hub", "expect Team.Cash -50", "wait 1650"});
  // The month after the one it was loaded in, when gambling is allowed again.
  Script({"set Runtime.GambledThisMonth 0", "press 50 395", "press 400 115", "wait 50", "press 185 255",
          "expect-screen card-game", "wait 50", "press 600 125", "expect Runtime.CardState 1",
          "expect Team.Cash -50", "wait 50", "press 680 285"});
  for (int i = 0; i < 40 && !HandFinished(State()); ++i) Script({"wait 50"});
  Script({"press 680 285", "expect-screen hub", "expect Runtime.GambledThisMonth 1", "expect Team.Cash -50"});
}

}  // namespace
}  // namespace vantoro::testing
