#pragma once
// The three gambling games' rules, without drawing: a race of six horses,
// a hand of twenty-one against the house and a three-reel slot machine.
// Each game is left with the month's gambling used up.

#include "state/game_state.hpp"

namespace vantoro {

// A stake digit moves on; after 9 comes 0.
void BumpDigit(Int& digit);
Int Stake(Int hundreds, Int tens, Int units);

// --- horse racing ------------------------------------------------------------

inline constexpr int kHorses = 6;
inline constexpr int kRaceBetting = 0, kRaceRunning = 1, kRaceFinished = 3, kRaceOver = 4;

Int RaceStake(const GameState& state);
bool CanChangeRaceBet(const GameState& state);
void BumpRaceDigit(GameState& state, int digit);  // 0 hundreds, 1 tens, 2 units
void NextBetHorse(GameState& state);
bool CanStartRace(const GameState& state);
void StartRace(GameState& state);
// The reset the hub asks for as it opens the screen.
void ResetRaceIfAsked(GameState& state);

enum class HorseLook { None, Standing, Gallop, Stretch };
// What horse h shows this tick, before it moves.
HorseLook LookOf(const GameState& state, int h);
// Horse h's gallop and run this tick; the first past the post wins.
void RunHorse(GameState& state, int h);
// A winning bet pays back twice the stake.
void SettleRace(GameState& state);
void LeaveRacing(GameState& state);

// --- the card game -----------------------------------------------------------

inline constexpr int kMostCards = 5;
// Aces count 1, court cards 10.
Int CardValue(Int rank);
Int PlayerHandTotal(const GameState& state);
Int HouseHandTotal(const GameState& state);
Int CardStake(const GameState& state);
bool CanChangeCardBet(const GameState& state);
void BumpCardDigit(GameState& state, int digit);
bool CanDeal(const GameState& state);
void PlaceCardBet(GameState& state);
bool HandInPlay(const GameState& state);
bool CanHit(const GameState& state);
void Hit(GameState& state);
void Stand(GameState& state);
bool HandFinished(const GameState& state);
// One tick of the hand: the deal, the player's limits, the house's play
// and the payout, in that order. Returns the house's total as the tick
// shows it, before a card the house draws in it.
Int PlayCardTick(GameState& state);
// Once the house has played; false, and nothing changed, before.
bool CanLeaveCards(const GameState& state);
bool LeaveCards(GameState& state);
// The button beside HIT: it stands while the hand is in play, and leaves the
// table once the house is done. True when the player has left.
bool StandOrLeave(GameState& state);

// --- the slot machine --------------------------------------------------------

inline constexpr int kSlotIdle = 0, kSlotReady = 3, kSlotFirstSpin = 4, kSlotHolding = 5, kSlotSecondSpin = 6;
inline constexpr int kSymbols = 9;
inline constexpr int kSpinTicks = 10;

bool CanBuyCredits(const GameState& state);
void BuyCredits(GameState& state);
bool CanPull(const GameState& state);
void Pull(GameState& state);
bool CanHold(const GameState& state);
void Hold(GameState& state, int reel);
bool CanRefund(const GameState& state);
void Refund(GameState& state);
bool CanLeaveSlots(const GameState& state);
// False, and nothing changed, while credits remain or the reels turn.
bool LeaveSlots(GameState& state);
// One tick of the reels' turning, each tick before they are drawn.
void AdvanceSpin(GameState& state);
// The machine's standing message, as the tick finds the machine.
void UpdateSlotMessage(GameState& state);
// Pays every rule the reels match, in order; false when none does.
bool PayReels(GameState& state);
// A finished spin: paid, or on to the holds (after the first) or to another
// try (after the second).
void SettleSpin(GameState& state);

}  // namespace vantoro
