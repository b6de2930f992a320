#pragma once
// FINANCE: the month's one fundraising option, trading shares of six
// companies, the bank (deposits, withdrawals, one loan) and the way to the
// gambling games, once a month.

#include "state/game_state.hpp"

namespace vantoro {

inline constexpr int kTradedCompanies = 6;
inline constexpr int kMostShares = 100;
inline constexpr int kWithdrawalFee = 20;
inline constexpr int kLoan = 1000;
inline constexpr int kBankPage = 4;

bool CanFundraise(const GameState& state);
void RaffleTurkey(GameState& state);
// The door-to-door collection also tires two players (perhaps the same one).
void SeekDonations(GameState& state);
// A team with a sponsor cannot seek another.
bool CanSeekSponsors(const GameState& state);
void SeekSponsors(GameState& state);
void VisitBank(GameState& state);

void SelectCompany(GameState& state, int company);
bool CanBuyShare(const GameState& state);
void BuyShare(GameState& state);
bool CanSellShare(const GameState& state);
void SellShare(GameState& state);

// Closed on about one visit in five.
bool BankOpen(const GameState& state);
bool CanAddTen(const GameState& state);
void AddTen(GameState& state);
bool CanSubtractTen(const GameState& state);
void SubtractTen(GameState& state);
// No more than the balance, less the fee, which may leave the cash negative;
// with a loan outstanding it repays the loan from the cash.
bool CanWithdraw(const GameState& state);
void Withdraw(GameState& state);
bool CanDeposit(const GameState& state);
void Deposit(GameState& state);
bool CanTakeLoan(const GameState& state);
void TakeLoan(GameState& state);
// The monthly return the page estimates: 3% of the balance in whole hundreds.
Int EstimatedReturn(const GameState& state);

enum class GambleGame { HorseRacing, Cards, SlotMachine };
// Once a month.
bool CanGamble(const GameState& state);
// What the game expects when the hub opens it; false, and nothing changed,
// when no game may be played.
bool OpenGame(GameState& state, GambleGame game);

}  // namespace vantoro
