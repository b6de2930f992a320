// The gambling games' rules, without any screen.

#include <gtest/gtest.h>

#include "month_fixture.hpp"
#include "sim/gambling_rules.hpp"

namespace vantoro::testing {
namespace {

TEST(RaceTest, TheStakeMustBeCoveredAndAboveNothing) {
  struct Case {
    int h, t, u, cash;
    bool can;
    int cashAfter;
  };
  for (const Case c : {Case{0, 0, 0, 500, false, 500}, Case{5, 0, 1, 500, false, 500},
                       Case{5, 0, 0, 500, true, 0}, Case{0, 0, 1, 1, true, 0}}) {
    GameState state;
    RuntimeState& r = state.Runtime;
    r.BetHundreds = c.h;
    r.BetTens = c.t;
    r.BetUnits = c.u;
    state.Team.Cash = c.cash;
    EXPECT_EQ(CanStartRace(state), c.can) << c.h << c.t << c.u;
    StartRace(state);
    EXPECT_EQ(state.Team.Cash, Int(c.cashAfter));
    EXPECT_EQ(r.RaceState, Int(c.can ? kRaceRunning : kRaceBetting));
  }
}

TEST(RaceTest, DigitsAndHorsesWrapAndFreezeOnceTheRaceRuns) {
  GameState state;
  RuntimeState& r = state.Runtime;
  r.BetUnits = 9;
  r.BetHorse = 6;
  BumpRaceDigit(state, 2);
  NextBetHorse(state);
  EXPECT_EQ(r.BetUnits, Int(0));
  EXPECT_EQ(r.BetHorse, Int(1));
  r.RaceState = kRaceRunning;
  BumpRaceDigit(state, 0);
  NextBetHorse(state);
  EXPECT_EQ(r.BetHundreds, Int(0));
  EXPECT_EQ(r.BetHorse, Int(1));
}

TEST(RaceTest, TheFirstPastThePostWinsAndTheLowerNumberATie) {
  GameState state;
  RuntimeState& r = state.Runtime;
  state.Team.Cash = 0;
  r.RaceState = kRaceRunning;
  r.BetUnits = 7;
  r.BetHorse = 2;
  for (int h = 1; h <= kHorses; ++h) r.HorseX[h] = 600;
  r.HorseX[2] = 700;
  r.HorseX[3] = 700;  // as far on, but run after horse 2
  for (int h = 1; h <= kHorses; ++h) RunHorse(state, h);
  EXPECT_EQ(r.RaceWinner, Int(2));
  EXPECT_EQ(r.RaceState, Int(kRaceFinished));
  const Int third = r.HorseX[3];
  EXPECT_EQ(third, Int(700));  // the field stops once a horse is home
  SettleRace(state);
  EXPECT_EQ(state.Team.Cash, Int(14));
  EXPECT_EQ(r.RaceState, Int(kRaceOver));
}

TEST(RaceTest, AHorseBothFastAndSlowGetsBothChances) {
  GameState state;
  RuntimeState& r = state.Runtime;
  r.RaceState = kRaceRunning;
  r.FastHorse = r.SlowHorse = 4;
  r.HorseX[4] = 100;
  r.HorseFrame[4] = 1;
  state.Rng.Seed = SeedFor({Any(3), Is(5, 2), Is(100, 10), Is(100, 90)});
  RunHorse(state, 4);
  EXPECT_EQ(r.HorseX[4], Int(100 + 4 + 1));
}

// Builds a hand: the player's and the house's cards, and the state.
GameState Hand(std::initializer_list<int> player, std::initializer_list<int> house, int cardState,
               int stake = 10) {
  GameState state;
  RuntimeState& r = state.Runtime;
  int i = 0;
  for (int c : player) r.PlayerCards[++i] = c;
  r.PlayerCardCount = i;
  i = 0;
  for (int c : house) r.HouseCards[++i] = c;
  r.HouseCardCount = i;
  r.CardState = cardState;
  r.CardBetTens = stake / 10;
  state.Team.Cash = 1000;
  return state;
}

TEST(CardsTest, TheHouseWinsTiesAndPlaysUntilItMatches) {
  struct Case {
    const char* name;
    GameState hand;
    Draws draws;
    int ticks, endState, cash;
  };
  Case cases[] = {
      {"17 against 17", Hand({10, 7}, {10, 7}, 80), {}, 1, 88, 1000},
      {"five cards worth 9 against a ten", Hand({1, 2, 2, 2, 2}, {10}, 2), {}, 1, 88, 1000},
      {"five cards worth 15 against an eight win at once", Hand({1, 2, 3, 4, 5}, {8}, 2), {}, 1, 92, 1020},
      {"the house draws from 18 against 19", Hand({10, 9}, {10, 8}, 80), {Is(13, 0)}, 2, 88, 1000},
      {"a fifth house card still behind loses", Hand({10, 9}, {2, 2, 2, 2}, 80), {Is(13, 1)}, 2, 92, 1020},
      {"the house goes bust", Hand({10, 9}, {10, 5}, 80), {Is(13, 9)}, 2, 92, 1020},
      {"the player goes bust", Hand({10, 9, 5}, {10}, 2), {}, 1, 75, 1000},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.hand.Rng.Seed = SeedFor(c.draws);
    for (int t = 0; t < c.ticks; ++t) PlayCardTick(c.hand);
    EXPECT_EQ(c.hand.Runtime.CardState, Int(c.endState));
    EXPECT_EQ(c.hand.Team.Cash, Int(c.cash));
    EXPECT_TRUE(HandFinished(c.hand));
  }
}

TEST(CardsTest, BetsAndPressesAtTheirMoments) {
  GameState state = Hand({}, {}, 0, 0);
  state.Runtime.CardBetHundreds = 9;
  state.Team.Cash = 899;
  EXPECT_FALSE(CanDeal(state));  // $900 against $899
  Hit(state);
  EXPECT_EQ(state.Runtime.PlayerCardCount, Int(0));  // HIT while betting does nothing
  state.Runtime.CardBetHundreds = 0;
  PlaceCardBet(state);  // a stake of nothing is played for nothing
  EXPECT_EQ(state.Runtime.CardState, Int(1));
  PlayCardTick(state);
  EXPECT_EQ(state.Runtime.CardState, Int(2));
  EXPECT_EQ(state.Runtime.PlayerCardCount, Int(1));
  for (int i = 0; i < 6; ++i) Hit(state);
  EXPECT_EQ(state.Runtime.PlayerCardCount, Int(5));
  EXPECT_EQ(CardValue(13), Int(10));
  EXPECT_EQ(CardValue(1), Int(1));
  EXPECT_EQ(CardValue(0), Int(0));
}

GameState Machine(int slotState, int credits, std::initializer_list<int> reels) {
  GameState state;
  RuntimeState& r = state.Runtime;
  r.SlotState = slotState;
  r.SlotCredits = credits;
  int i = 0;
  for (int s : reels) r.Reel[++i] = s;
  state.Team.Cash = 1000;
  return state;
}

TEST(SlotsTest, EveryMatchingRulePaysInOrder) {
  struct Case {
    std::initializer_list<int> reels;
    int credits, cash;
    const char* message;  // the last rule that paid
  };
  for (const Case c : {Case{{6, 6, 2}, 3, 10, "BONUS!"}, Case{{6, 2, 6}, 3, 10, "BONUS!"},
                       Case{{6, 6, 6}, 5, 20, "DOUBLE BONUS!"}, Case{{2, 7, 7}, 2, 0, "2 FREE CREDITS!"},
                       Case{{7, 7, 7}, 10, 0, "+10 CREDITS!"}, Case{{3, 2, 1}, 0, 50, "RUN! WIN $50!"},
                       Case{{5, 5, 5}, 0, 500, "WIN $500!"}, Case{{9, 9, 9}, 1, 0, "SPIN AGAIN!"},
                       Case{{1, 7, 7}, 1, 0, "FREE CREDIT!"}}) {
    GameState state = Machine(kSlotFirstSpin, 0, c.reels);
    EXPECT_TRUE(PayReels(state));
    EXPECT_EQ(state.Runtime.SlotCredits, Int(c.credits)) << c.message;
    EXPECT_EQ(state.Team.Cash, Int(1000 + c.cash)) << c.message;
    EXPECT_EQ(state.Runtime.SlotWinnings, Int(c.cash)) << c.message;
    EXPECT_EQ(state.Runtime.SlotMessage, c.message);
    EXPECT_EQ(state.Runtime.SlotState, Int(kSlotReady));
  }
  GameState losing = Machine(kSlotFirstSpin, 3, {1, 2, 4});
  EXPECT_FALSE(PayReels(losing));
}

TEST(SlotsTest, ALosingSpinOffersHoldsAndAHeldReelKeepsItsSymbol) {
  GameState state = Machine(kSlotFirstSpin, 5, {1, 2, 4});
  state.Runtime.SpinTicks = 0;
  SettleSpin(state);
  EXPECT_EQ(state.Runtime.SlotState, Int(kSlotHolding));
  EXPECT_EQ(state.Runtime.SlotMessage, "Select Hold?");
  Hold(state, 2);
  state.Rng.Seed = SeedFor({Is(9, 0), Is(9, 3)});
  Pull(state);
  EXPECT_EQ(state.Runtime.Reel[1], Int(1));
  EXPECT_EQ(state.Runtime.Reel[2], Int(2));  // held
  EXPECT_EQ(state.Runtime.Reel[3], Int(4));
  EXPECT_EQ(state.Runtime.SlotState, Int(kSlotSecondSpin));
  EXPECT_EQ(state.Runtime.SlotCredits, Int(4));
  state.Runtime.SpinTicks = 0;
  SettleSpin(state);
  EXPECT_EQ(state.Runtime.SlotMessage, "Try Again");
  EXPECT_EQ(state.Runtime.ReelHeld[2], Int(0));
  EXPECT_EQ(state.Runtime.SlotState, Int(kSlotReady));
}

TEST(SlotsTest, CreditsAreBoughtOnceRefundedAtTwoDollarsAndEndTheVisit) {
  GameState state = Machine(kSlotIdle, 0, {1, 1, 1});
  state.Team.Cash = 99;
  EXPECT_FALSE(CanBuyCredits(state));
  state.Team.Cash = 100;
  BuyCredits(state);
  EXPECT_EQ(state.Runtime.SlotCredits, Int(20));
  EXPECT_EQ(state.Team.Cash, Int(0));
  EXPECT_FALSE(CanBuyCredits(state));
  state.Runtime.SlotState = kSlotHolding;
  state.Runtime.SlotCredits = 1;
  Refund(state);
  EXPECT_EQ(state.Team.Cash, Int(2));
  EXPECT_FALSE(CanPull(state));
  EXPECT_TRUE(CanLeaveSlots(state));
  LeaveSlots(state);
  EXPECT_EQ(state.Runtime.GambledThisMonth, Int(1));
  EXPECT_EQ(state.Runtime.SlotState, Int(kSlotIdle));
}

TEST(GamblingTest, WinningsNearTheTopOfTheRangeWrapWithoutHarm) {
  GameState race;
  race.Team.Cash = 2147483647;
  race.Runtime.RaceState = kRaceFinished;
  race.Runtime.BetHundreds = race.Runtime.BetTens = race.Runtime.BetUnits = 9;
  race.Runtime.BetHorse = race.Runtime.RaceWinner = 1;
  SettleRace(race);
  EXPECT_EQ(race.Team.Cash, Int(2147483647) + 1998);
  GameState cards = Hand({1, 2, 3, 4, 5}, {8}, 2, 0);
  cards.Runtime.CardBetHundreds = 9;
  cards.Team.Cash = 2147483647;
  PlayCardTick(cards);
  EXPECT_EQ(cards.Team.Cash, Int(2147483647) + 1800);
}

}  // namespace
}  // namespace vantoro::testing
