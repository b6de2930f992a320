// FIELD's and FINANCE's rules, without any screen.

#include <gtest/gtest.h>

#include "action_cases.hpp"
#include "sim/field_actions.hpp"
#include "sim/finance_actions.hpp"
#include "state/derived.hpp"

namespace vantoro::testing {
namespace {

TEST(FieldTest, TrainingCostsAHundredAndTiresThePlayer) {
  const std::string p2 = "Runtime.SelectedPlayer=2 PlayerTrained[2]=0 ";
  const auto targeting = [](GameState& s) { Train(s, Skill::Accuracy); };
  RunCases({{p2 + "Cash=100 PlayerMorale[2]=50",
             {Is(2, 1), Is(3, 2)},
             true,
             "Cash=0 PlayerAccuracy[2]=13 PlayerMorale[2]=48 PlayerTrained[2]=1 Paintballs=850"},
            {p2 + "Cash=99", {}, false, "Cash=99"},
            {p2 + "Cash=500 Paintballs=30 PlayerMorale[2]=1",
             {Is(2, 0), Is(3, 2)},
             true,
             "Paintballs=0 PlayerAccuracy[2]=12 PlayerMorale[2]=1"},
            {"Runtime.SelectedPlayer=2 PlayerTrained[2]=1 Cash=500", {}, false, "Cash=500"},
            {"Runtime.SelectedPlayer=0 Cash=500", {}, false, "Cash=500"}},
           CanTrain, targeting);
  const auto sprint = [](GameState& s) { Train(s, Skill::Speed); };
  RunCases({{p2 + "Cash=100", {Is(2, 1), Is(3, 0)}, true, "PlayerSpeed[2]=13 Paintballs=900"}}, CanTrain,
           sprint);
}

TEST(FieldTest, APracticeTrainsEveryPlayerWhileOneIsFresh) {
  std::string sixTired = "Cash=100 PlayerTrained[7]=0 ";
  for (int p = 1; p <= 6; ++p) sixTired += "PlayerTrained[" + std::to_string(p) + "]=1 ";
  Draws drill;
  for (int p = 1; p <= 7; ++p) drill = drill + Draws{Is(2, 1), Is(2, 1)};
  const auto popUp = [](GameState& s) { Practice(s, PracticeEvent::PopUp); };
  RunCases({{sixTired + "Paintballs=900", drill + Draws{Is(100, 99)}, true,
             "Cash=0 PlayerTrained[7]=1 PlayerAccuracy[1]=13 PlayerAccuracy[7]=13 PlayerMorale[4]=81 "
             "Paintballs=701"},
            {sixTired + "Paintballs=150", drill + Draws{Is(100, 99)}, true, "Paintballs=0"}},
           CanPractice, popUp);
  std::string allTired = "Cash=1000 ";
  for (int p = 1; p <= 7; ++p) allTired += "PlayerTrained[" + std::to_string(p) + "]=1 ";
  RunCases({{allTired, {}, false, "Cash=1000"}, {"Cash=99", {}, false, "Cash=99"}}, CanPractice, popUp);
}

TEST(FieldTest, RecruitsBringBetterMarkersInLaterYearsAndAreHiredOnce) {
  for (const int year : {2000, 2010}) {
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
      auto state = SettledTeam();
      state->Team.Year = year;
      state->Runtime.RecruitGenerated = 0;
      state->Rng.Seed = seed;
      GenerateRecruit(*state);
      ASSERT_TRUE(RecruitOnOffer(*state));
      const Int marker = state->Team.PlayerMarkerType[kRecruitSlot];
      ASSERT_TRUE(InRange(marker, 0, year == 2000 ? 2 : 9)) << year << " " << marker.v;
      EXPECT_EQ(state->Team.PlayerTrained[kRecruitSlot], Int(1));
    }
  }
  auto state = SettledTeam();
  state->Runtime.RecruitGenerated = 0;
  GenerateRecruit(*state);
  const std::string name = state->Team.PlayerName[kRecruitSlot].Str();
  const Int price = RecruitPrice(*state);
  EXPECT_EQ(price,
            PlayerIndex(state->Team, kRecruitSlot) * 15 + state->Team.PlayerMarkerType[kRecruitSlot] * 164);
  Assign(*state, "Runtime.SelectedPlayer=3 PlayerMorale[5]=1");
  state->Team.Cash = price - 1;
  EXPECT_FALSE(CanHire(*state));
  state->Team.Cash = price;
  Hire(*state);
  EXPECT_EQ(state->Team.Cash, Int(0));
  EXPECT_EQ(state->Team.PlayerName[3].Str(), name);
  EXPECT_EQ(state->Team.PlayerName[kRecruitSlot].Str(), name);  // kept, but no longer on offer
  EXPECT_EQ(Mismatches(*state,
                       "Runtime.RecruitGenerated=2 PlayerMorale[5]=1 PlayerMorale[1]=78 PlayerTrained[3]=1"),
            "");
  state->Team.Cash = 100000;
  EXPECT_FALSE(CanHire(*state));
}

TEST(FinanceTest, OneFundraisingOptionAMonth) {
  RunCases({{"Cash=0", {Is(100, 99)}, true, "Cash=139 Runtime.FundraisedThisMonth=1"},
            {"Runtime.FundraisedThisMonth=1 Cash=0", {}, false, "Cash=0"}},
           CanFundraise, RaffleTurkey);
  RunCases(
      {{"Cash=0 PlayerMorale[2]=1", {Is(200, 0), Is(7, 1), Is(7, 1)}, true, "Cash=50 PlayerMorale[2]=1"}},
      CanFundraise, SeekDonations);
  RunCases({{"Sponsorship=0", {Is(100, 50)}, true, "Sponsorship=0 Runtime.FundraisedThisMonth=1"},
            {"Sponsorship=0", {Is(100, 86), Is(2, 1), Is(5, 0), Is(5, 4)}, true, "Sponsorship=2"},
            {"Sponsorship=0", {Is(100, 7), Is(3, 2), Is(5, 4), Is(5, 1)}, true, "Sponsorship=4"},
            {"Sponsorship=3", {}, false, "Sponsorship=3"}},
           CanSeekSponsors, SeekSponsors);
  auto state = SettledTeam();
  state->Rng.Seed = SeedFor({Is(100, 86), Is(2, 0), Is(5, 0), Is(5, 4)});
  SeekSponsors(*state);
  EXPECT_EQ(state->Runtime.HubMessage2, "Henderson Adventure Tours agrees to sponsor you.");
  EXPECT_FALSE(CanFundraise(*state));
}

TEST(FinanceTest, SharesTradeWithinTheirLimits) {
  const std::string c3 = "Runtime.SelectedCompany=3 SharePrice[3]=45 ";
  RunCases({{c3 + "Cash=45 SharesHeld[3]=0", {}, true, "Cash=0 SharesHeld[3]=1"},
            {c3 + "Cash=44", {}, false, "Cash=44"},
            {c3 + "Cash=5000 SharesHeld[3]=100", {}, false, "SharesHeld[3]=100"},
            {c3 + "Cash=5000 SharesHeld[3]=150", {}, false, "SharesHeld[3]=150"},
            {"Runtime.SelectedCompany=3 SharePrice[3]=-5 Cash=50", {}, false, "Cash=50"},
            {"Runtime.SelectedCompany=7 Cash=5000", {}, false, "Cash=5000"}},
           CanBuyShare, BuyShare);
  RunCases({{c3 + "Cash=0 SharesHeld[3]=2", {}, true, "Cash=45 SharesHeld[3]=1"},
            {c3 + "SharesHeld[3]=0", {}, false, "SharesHeld[3]=0"},
            {c3 + "SharesHeld[3]=-3", {}, false, "SharesHeld[3]=-3"}},
           CanSellShare, SellShare);
}

TEST(FinanceTest, TheBankTakesItsFeeAndLendsOnce) {
  const std::string open = "Runtime.BankOpenRoll=50 ";
  RunCases({{open + "Runtime.BankAmount=50 BankBalance=30 Cash=100",
             {},
             true,
             "Cash=110 BankBalance=0 Runtime.BankAmount=0"},
            {open + "Runtime.BankAmount=10 BankBalance=0 Cash=100", {}, true, "Cash=80 BankBalance=0"},
            // A loan outstanding is repaid from the cash, fee and all.
            {open + "Runtime.BankAmount=10 BankBalance=-1000 Cash=1500", {}, true, "Cash=480 BankBalance=0"},
            {open + "Runtime.BankAmount=0 BankBalance=300", {}, false, "BankBalance=300"},
            {"Runtime.BankOpenRoll=20 Runtime.BankAmount=50 BankBalance=300", {}, false, "BankBalance=300"}},
           CanWithdraw, Withdraw);
  RunCases({{open + "Runtime.BankAmount=100 Cash=100 BankBalance=5", {}, true, "Cash=0 BankBalance=105"},
            {open + "Runtime.BankAmount=110 Cash=100", {}, false, "Cash=100"},
            {"Runtime.BankOpenRoll=0 Runtime.BankAmount=10 Cash=100", {}, false, "Cash=100"}},
           CanDeposit, Deposit);
  RunCases({{open + "BankBalance=0 Cash=0", {}, true, "BankBalance=-1000 Cash=1000"},
            {open + "BankBalance=-1000 Cash=0", {}, false, "Cash=0"},
            {"Runtime.BankOpenRoll=-7 BankBalance=0 Cash=0", {}, false, "Cash=0"}},
           CanTakeLoan, TakeLoan);
  auto state = SettledTeam();
  Assign(*state, "Runtime.BankOpenRoll=21 Runtime.BankAmount=0 BankBalance=-1000");
  EXPECT_FALSE(CanSubtractTen(*state));
  AddTen(*state);
  EXPECT_TRUE(CanSubtractTen(*state));
  EXPECT_EQ(EstimatedReturn(*state), Int(-30));
}

TEST(FinanceTest, GamesOpenOnceAMonthWithTheirStartingState) {
  auto state = SettledTeam();
  Assign(*state,
         "Runtime.RaceState=4 Runtime.BetHorse=5 Runtime.SlotState=3 Runtime.SlotCredits=7 "
         "Runtime.Reel[2]=4 Runtime.ReelHeld[1]=1");
  EXPECT_TRUE(CanGamble(*state));
  OpenGame(*state, GambleGame::HorseRacing);
  OpenGame(*state, GambleGame::SlotMachine);
  EXPECT_EQ(Mismatches(*state,
                       "Runtime.RaceReset=1 Runtime.BetHorse=1 Runtime.RaceState=0 Runtime.SlotState=0 "
                       "Runtime.SlotCredits=0 Runtime.Reel[2]=1 Runtime.ReelHeld[1]=0"),
            "");
  state->Runtime.GambledThisMonth = 1;
  EXPECT_FALSE(CanGamble(*state));
}

}  // namespace
}  // namespace vantoro::testing
