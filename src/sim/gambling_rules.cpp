#include "sim/gambling_rules.hpp"

#include <array>

namespace vantoro {
namespace {

Int& Digit(Int& hundreds, Int& tens, Int& units, int which) {
  if (which == 0) return hundreds;
  if (which == 1) return tens;
  return units;
}

}  // namespace

void BumpDigit(Int& digit) {
  ++digit;
  if (!InRange(digit, 0, 9)) digit = 0;
}

Int Stake(Int hundreds, Int tens, Int units) {
  Int stake = hundreds * 100;
  stake += tens * 10;
  stake += units;
  return stake;
}

// --- horse racing ------------------------------------------------------------

Int RaceStake(const GameState& state) {
  const RuntimeState& r = state.Runtime;
  return Stake(r.BetHundreds, r.BetTens, r.BetUnits);
}

bool CanChangeRaceBet(const GameState& state) { return state.Runtime.RaceState == kRaceBetting; }

void BumpRaceDigit(GameState& state, int digit) {
  RuntimeState& r = state.Runtime;
  if (CanChangeRaceBet(state)) BumpDigit(Digit(r.BetHundreds, r.BetTens, r.BetUnits, digit));
}

void NextBetHorse(GameState& state) {
  if (!CanChangeRaceBet(state)) return;
  Int& horse = state.Runtime.BetHorse;
  ++horse;
  if (!InRange(horse, 1, kHorses)) horse = 1;
}

bool CanStartRace(const GameState& state) {
  const Int stake = RaceStake(state);
  return CanChangeRaceBet(state) && stake >= 1 && stake <= state.Team.Cash;
}

void StartRace(GameState& state) {
  if (!CanStartRace(state)) return;
  RuntimeState& r = state.Runtime;
  state.Team.Cash -= RaceStake(state);
  r.RaceState = kRaceRunning;
  r.SlowHorse = state.Random(kHorses) + 1;
  r.FastHorse = state.Random(kHorses) + 1;
}

void ResetRaceIfAsked(GameState& state) {
  RuntimeState& r = state.Runtime;
  if (r.RaceReset != 1) return;
  r.BetHundreds = r.BetTens = r.BetUnits = 0;
  r.BetHorse = 1;
  for (Int& x : r.HorseX) x = 1;
  for (Int& f : r.HorseFrame) f = 1;
  r.RaceState = kRaceBetting;
  r.TracksideX = 550;
  r.RaceReset = 0;
}

HorseLook LookOf(const GameState& state, int h) {
  const RuntimeState& r = state.Runtime;
  if (r.RaceState == kRaceBetting || r.RaceState == kRaceOver) return HorseLook::Standing;
  if (r.RaceState != kRaceRunning) return HorseLook::None;
  if (r.HorseFrame[h] > 5) return HorseLook::Stretch;
  return r.HorseFrame[h] > 0 ? HorseLook::Gallop : HorseLook::None;
}

void RunHorse(GameState& state, int h) {
  RuntimeState& r = state.Runtime;
  if (r.RaceState == kRaceRunning) {
    ++r.HorseFrame[h];
    if (r.HorseFrame[h] > state.Random(3) + 10) r.HorseFrame[h] = 1;
    Int step = state.Random(5);
    step += 2;
    r.HorseX[h] += step;
    if (r.FastHorse == h && state.Random(100) < 25) ++r.HorseX[h];
    if (r.SlowHorse == h && state.Random(100) < 25) --r.HorseX[h];
  }
  // Once a horse is past the post, the rest of the field stops where it is.
  if (r.RaceState == kRaceRunning && r.HorseX[h] + 105 > 740) {
    r.RaceState = kRaceFinished;
    r.RaceWinner = h;
  }
}

void SettleRace(GameState& state) {
  RuntimeState& r = state.Runtime;
  if (r.RaceState != kRaceFinished) return;
  if (r.BetHorse == r.RaceWinner) {
    r.RaceWinnings = RaceStake(state) * 2;
    state.Team.Cash += r.RaceWinnings;
  }
  r.RaceState = kRaceOver;
}

void LeaveRacing(GameState& state) {
  RuntimeState& r = state.Runtime;
  r.GambledThisMonth = 1;
  r.BetHundreds = r.BetTens = r.BetUnits = 0;
  r.RaceReset = 0;
  for (Int& x : r.HorseX) x = 0;
}

// --- the card game -----------------------------------------------------------

Int CardValue(Int rank) {
  if (rank >= 10) return 10;
  return InRange(rank, 1, 9) ? rank : Int(0);
}

namespace {

Int HandTotal(const Ints5& cards, Int count) {
  Int total = 0;
  for (int i = 1; i <= Clamp(count, 0, kMostCards).v; ++i) total += CardValue(cards[i]);
  return total;
}

}  // namespace

Int PlayerHandTotal(const GameState& state) {
  return HandTotal(state.Runtime.PlayerCards, state.Runtime.PlayerCardCount);
}
Int HouseHandTotal(const GameState& state) {
  return HandTotal(state.Runtime.HouseCards, state.Runtime.HouseCardCount);
}

Int CardStake(const GameState& state) {
  const RuntimeState& r = state.Runtime;
  return Stake(r.CardBetHundreds, r.CardBetTens, r.CardBetUnits);
}

bool CanChangeCardBet(const GameState& state) { return state.Runtime.CardState == 0; }

void BumpCardDigit(GameState& state, int digit) {
  RuntimeState& r = state.Runtime;
  if (CanChangeCardBet(state)) BumpDigit(Digit(r.CardBetHundreds, r.CardBetTens, r.CardBetUnits, digit));
}

// A stake of 0 plays the hand for nothing.
// A hand for nothing is always dealt, even to a team in debt: the hand is
// the only way to the way out.
bool CanDeal(const GameState& state) {
  const Int stake = CardStake(state);
  return CanChangeCardBet(state) && (stake == 0 || stake <= state.Team.Cash);
}

void PlaceCardBet(GameState& state) {
  if (!CanDeal(state)) return;
  state.Runtime.CardState = 1;
  state.Team.Cash -= CardStake(state);
}

bool HandInPlay(const GameState& state) { return InRange(state.Runtime.CardState, 1, 2); }
bool CanHit(const GameState& state) {
  return HandInPlay(state) && state.Runtime.PlayerCardCount < kMostCards;
}

void Hit(GameState& state) {
  if (!CanHit(state)) return;
  RuntimeState& r = state.Runtime;
  r.PlayerCardCount = Clamp(r.PlayerCardCount, 0, kMostCards - 1) + 1;
  r.PlayerCards[r.PlayerCardCount] = state.Random(13) + 1;
}

void Stand(GameState& state) {
  if (HandInPlay(state)) state.Runtime.CardState = 80;
}

bool HandFinished(const GameState& state) {
  return state.Runtime.CardState == 75 || state.Runtime.CardState > 80;
}

Int PlayCardTick(GameState& state) {
  RuntimeState& r = state.Runtime;
  if (r.CardState == 0) {
    r.PlayerCardCount = r.HouseCardCount = 0;
    for (Int& c : r.PlayerCards) c = 0;
    for (Int& c : r.HouseCards) c = 0;
  }
  if (r.CardState == 1) {
    r.PlayerCardCount = r.HouseCardCount = 1;
    r.CardState = 2;
    r.PlayerCards[1] = state.Random(13) + 1;
    r.HouseCards[1] = state.Random(13) + 1;
  }
  const Int player = PlayerHandTotal(state);
  if (player > 21) r.CardState = 75;
  if (r.CardState < 90 && r.PlayerCardCount == kMostCards && player <= 21) r.CardState = 90;
  const Int house = HouseHandTotal(state);
  r.PlayerTotal = player;
  if (r.CardState == 80) {
    if (house < player) {
      if (r.HouseCardCount < kMostCards) {
        r.HouseCardCount = Clamp(r.HouseCardCount, 0, kMostCards - 1) + 1;
        r.HouseCards[r.HouseCardCount] = state.Random(13) + 1;
      } else {
        r.CardState = 90;
      }
    } else {
      r.CardState = house <= 21 ? 88 : 85;
    }
  }
  // A five-card hand still loses to a house that already matches it.
  if (r.CardState == 90 && house >= player) r.CardState = 88;
  if (r.CardState == 85) r.CardState = 90;
  if (r.CardState == 90) {
    state.Team.Cash += CardStake(state) * 2;
    r.CardState = 91;
  }
  if (r.CardState > 90) r.CardState = 92;
  return house;
}

bool CanLeaveCards(const GameState& state) { return HandFinished(state); }

bool StandOrLeave(GameState& state) {
  if (HandInPlay(state)) {
    Stand(state);
    return false;
  }
  return LeaveCards(state);
}

bool LeaveCards(GameState& state) {
  if (!CanLeaveCards(state)) return false;
  RuntimeState& r = state.Runtime;
  r.GambledThisMonth = 1;
  r.CardState = 0;
  r.CardBetHundreds = r.CardBetTens = r.CardBetUnits = 0;
  return true;
}

// --- the slot machine --------------------------------------------------------

bool CanBuyCredits(const GameState& state) {
  const RuntimeState& r = state.Runtime;
  return r.SlotCredits == 0 && r.SlotState == kSlotIdle && state.Team.Cash >= 100;
}

void BuyCredits(GameState& state) {
  if (!CanBuyCredits(state)) return;
  RuntimeState& r = state.Runtime;
  state.Team.Cash -= 100;
  r.SlotState = kSlotReady;
  r.SlotCredits += 20;
  r.SlotMessage = "Pull Handle to Play!";
  r.SlotWinnings = 0;
}

bool CanPull(const GameState& state) {
  const RuntimeState& r = state.Runtime;
  return r.SlotCredits > 0 && (r.SlotState == kSlotReady || r.SlotState == kSlotHolding);
}

void Pull(GameState& state) {
  if (!CanPull(state)) return;
  RuntimeState& r = state.Runtime;
  const bool second = r.SlotState == kSlotHolding;
  for (int i = 1; i <= 3; ++i) {
    if (!second || r.ReelHeld[i] != 1) r.Reel[i] = state.Random(kSymbols) + 1;
  }
  r.SpinTicks = kSpinTicks;
  r.SlotState = second ? kSlotSecondSpin : kSlotFirstSpin;
  --r.SlotCredits;
  r.SlotMessage = "Spinning...";
}

bool CanHold(const GameState& state) { return state.Runtime.SlotState == kSlotHolding; }

void Hold(GameState& state, int reel) {
  if (CanHold(state) && InRange(reel, 1, 3)) state.Runtime.ReelHeld[reel] = 1;
}

bool CanRefund(const GameState& state) { return state.Runtime.SlotCredits > 0; }

void Refund(GameState& state) {
  if (!CanRefund(state)) return;
  state.Team.Cash += 2;
  --state.Runtime.SlotCredits;
}

// Not while the last credit's reels still spin: the spin would never be paid.
bool CanLeaveSlots(const GameState& state) {
  return state.Runtime.SlotCredits == 0 && state.Runtime.SpinTicks == 0;
}

bool LeaveSlots(GameState& state) {
  if (!CanLeaveSlots(state)) return false;
  RuntimeState& r = state.Runtime;
  for (Int& reel : r.Reel) reel = 1;
  r.SlotState = kSlotIdle;
  r.SlotWinnings = 0;
  r.GambledThisMonth = 1;
  return true;
}

void AdvanceSpin(GameState& state) {
  if (state.Runtime.SpinTicks > 0) --state.Runtime.SpinTicks;
}

void UpdateSlotMessage(GameState& state) {
  RuntimeState& r = state.Runtime;
  if (r.SlotState == kSlotIdle) r.SlotMessage = "Buy Credits To Play!";
  if (r.SlotCredits == 0 && r.SpinTicks == 0 && r.SlotState >= 1) r.SlotMessage = "No More Credits.";
}

namespace {

struct PayRule {
  std::array<int, 3> Reels;  // 0: any symbol
  int Credits, Cash;
  const char* Message;
};
constexpr std::array<PayRule, 9> kStraightRules = {{
    {{1, 7, 0}, 1, 0, "FREE CREDIT!"},
    {{2, 7, 0}, 2, 0, "2 FREE CREDITS!"},
    {{3, 7, 0}, 3, 0, "3 FREE CREDITS!"},
    {{4, 7, 0}, 4, 0, "4 FREE CREDITS!"},
    {{1, 1, 1}, 0, 25, "WIN $25!"},
    {{2, 2, 2}, 0, 50, "WIN $50!"},
    {{3, 3, 3}, 0, 75, "WIN $75!"},
    {{4, 4, 4}, 0, 100, "WIN $100!"},
    {{5, 5, 5}, 0, 500, "WIN $500!"},
}};
constexpr std::array<PayRule, 3> kLaterRules = {{
    {{6, 6, 6}, 5, 20, "DOUBLE BONUS!"},
    {{8, 8, 8}, 0, 100, "WIN $100!"},
    {{7, 7, 7}, 10, 0, "+10 CREDITS!"},
}};
constexpr std::array<std::array<int, 3>, 4> kRuns = {{{1, 2, 3}, {2, 3, 4}, {3, 2, 1}, {4, 3, 2}}};

bool Shows(const Ints3& reels, const std::array<int, 3>& want) {
  for (int i = 0; i < 3; ++i) {
    if (want[static_cast<std::size_t>(i)] != 0 && reels[i + 1] != want[static_cast<std::size_t>(i)])
      return false;
  }
  return true;
}

void Pay(GameState& state, int credits, int cash, const char* message) {
  RuntimeState& r = state.Runtime;
  r.SlotCredits += credits;
  state.Team.Cash += cash;
  r.SlotWinnings += cash;
  r.SlotMessage = message;
  r.SlotState = kSlotReady;
}

}  // namespace

bool PayReels(GameState& state) {
  const Ints3& reels = state.Runtime.Reel;
  bool paid = false;
  for (const PayRule& rule : kStraightRules) {
    if (Shows(reels, rule.Reels)) Pay(state, rule.Credits, rule.Cash, rule.Message), paid = true;
  }
  int bonuses = 0;
  for (const Int reel : reels) bonuses += reel == 6 ? 1 : 0;
  if (bonuses == 2) Pay(state, 3, 10, "BONUS!"), paid = true;
  for (const PayRule& rule : kLaterRules) {
    if (Shows(reels, rule.Reels)) Pay(state, rule.Credits, rule.Cash, rule.Message), paid = true;
  }
  for (const auto& run : kRuns) {
    if (Shows(reels, run)) Pay(state, 0, 50, "RUN! WIN $50!"), paid = true;
  }
  if (Shows(reels, {9, 9, 9})) Pay(state, 1, 0, "SPIN AGAIN!"), paid = true;
  return paid;
}

void SettleSpin(GameState& state) {
  RuntimeState& r = state.Runtime;
  if (r.SpinTicks != 0) return;
  if (r.SlotState == kSlotFirstSpin) {
    if (!PayReels(state)) {
      r.SlotState = kSlotHolding;
      r.SlotMessage = "Select Hold?";
    }
  } else if (r.SlotState == kSlotSecondSpin) {
    const bool paid = PayReels(state);
    for (Int& held : r.ReelHeld) held = 0;
    if (!paid) {
      r.SlotState = kSlotReady;
      r.SlotMessage = "Try Again";
    }
  }
}

}  // namespace vantoro
