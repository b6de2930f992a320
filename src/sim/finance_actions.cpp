#include "sim/finance_actions.hpp"

#include <array>
#include <string_view>

namespace vantoro {
namespace {

using Words = std::array<std::string_view, 5>;
constexpr Words kMinorFirst = {"Henderson ", "Jakobite ", "Mt Anders ", "Serpentine ", "Blakely "};
constexpr Words kMinorSecond = {"Autoparts ", "Superette ", "Camping Supplies ", "Bar and Grill ",
                                "Adventure Tours "};
constexpr Words kMajorFirst = {"Vaber ", "Barnetts ", "Dorian ", "Grendel ", "Attercop "};
constexpr Words kMajorSecond = {"Industrial ", "Techtronics ", "Legal Services ", "Restaurants ",
                                "Paintball Supplies "};

std::string SponsorName(GameState& state, const Words& first, const Words& second) {
  const Int a = state.Random(5);
  const Int b = state.Random(5);
  return std::string(first[static_cast<std::size_t>(a.v)]) +
         std::string(second[static_cast<std::size_t>(b.v)]);
}

bool CompanySelected(const GameState& state) {
  return InRange(state.Runtime.SelectedCompany, 1, kTradedCompanies);
}
Int PriceOf(const GameState& state) { return state.Team.SharePrice[state.Runtime.SelectedCompany]; }
Int HeldOf(const GameState& state) { return state.Team.SharesHeld[state.Runtime.SelectedCompany]; }

}  // namespace

bool CanFundraise(const GameState& state) { return state.Runtime.FundraisedThisMonth == 0; }

void RaffleTurkey(GameState& state) {
  if (!CanFundraise(state)) return;
  RuntimeState& r = state.Runtime;
  const Int raised = state.Random(100) + 40;
  state.Team.Cash += raised;
  r.HubMessage1 = "Your team raised $" + raised.Str() + " raffling this turkey.";
  r.HubMessage2.clear();
  r.FundraisedThisMonth = 1;
}

void SeekDonations(GameState& state) {
  if (!CanFundraise(state)) return;
  RuntimeState& r = state.Runtime;
  const Int raised = state.Random(200) + 50;
  state.Team.Cash += raised;
  r.HubMessage1 = "Your team raised $" + raised.Str() + " knocking door to door.";
  r.HubMessage2.clear();
  for (int i = 0; i < 2; ++i) {
    const Int p = state.Random(7) + 1;
    Int& morale = state.Team.PlayerMorale[p];
    morale -= 1;
    if (morale < 1) morale = 1;
  }
  r.FundraisedThisMonth = 1;
}

bool CanSeekSponsors(const GameState& state) { return CanFundraise(state) && state.Team.Sponsorship == 0; }

void SeekSponsors(GameState& state) {
  if (!CanSeekSponsors(state)) return;
  RuntimeState& r = state.Runtime;
  const Int roll = state.Random(100);
  if (roll > 85) {
    state.Team.Sponsorship = state.Random(2) + 1;
    r.HubMessage1 = "You have found a minor sponsor.";
    r.HubMessage2 = SponsorName(state, kMinorFirst, kMinorSecond) + "agrees to sponsor you.";
  } else if (roll < 8) {
    state.Team.Sponsorship = state.Random(3) + 2;
    r.HubMessage1 = "You have found a MAJOR sponsor.";
    r.HubMessage2 = SponsorName(state, kMajorFirst, kMajorSecond) + "agrees to sponsor you.";
  } else {
    r.HubMessage1 = "Your bid for sponsorship has failed this time.";
  }
  r.FundraisedThisMonth = 1;
}

void VisitBank(GameState& state) { state.Runtime.HubPage = kBankPage; }

void SelectCompany(GameState& state, int company) { state.Runtime.SelectedCompany = company; }

// A damaged price below zero neither buys nor sells.
bool CanBuyShare(const GameState& state) {
  return CompanySelected(state) && PriceOf(state) >= 0 && state.Team.Cash >= PriceOf(state) &&
         HeldOf(state) < kMostShares;
}

void BuyShare(GameState& state) {
  if (!CanBuyShare(state)) return;
  state.Team.Cash -= PriceOf(state);
  ++state.Team.SharesHeld[state.Runtime.SelectedCompany];
}

bool CanSellShare(const GameState& state) {
  return CompanySelected(state) && HeldOf(state) > 0 && PriceOf(state) >= 0;
}

void SellShare(GameState& state) {
  if (!CanSellShare(state)) return;
  --state.Team.SharesHeld[state.Runtime.SelectedCompany];
  state.Team.Cash += PriceOf(state);
}

bool BankOpen(const GameState& state) { return state.Runtime.BankOpenRoll > 20; }

bool CanAddTen(const GameState& state) { return BankOpen(state); }
void AddTen(GameState& state) {
  if (CanAddTen(state)) state.Runtime.BankAmount += 10;
}

bool CanSubtractTen(const GameState& state) { return BankOpen(state) && state.Runtime.BankAmount > 0; }
void SubtractTen(GameState& state) {
  if (CanSubtractTen(state)) state.Runtime.BankAmount -= 10;
}

bool CanWithdraw(const GameState& state) { return BankOpen(state) && state.Runtime.BankAmount > 0; }

void Withdraw(GameState& state) {
  if (!CanWithdraw(state)) return;
  TeamRecord& team = state.Team;
  Int& amount = state.Runtime.BankAmount;
  if (amount > team.BankBalance) amount = team.BankBalance;
  team.Cash += amount;
  team.BankBalance -= amount;
  amount = 0;
  team.Cash -= kWithdrawalFee;
}

bool CanDeposit(const GameState& state) {
  return BankOpen(state) && state.Runtime.BankAmount > 0 && state.Runtime.BankAmount <= state.Team.Cash;
}

void Deposit(GameState& state) {
  if (!CanDeposit(state)) return;
  state.Team.Cash -= state.Runtime.BankAmount;
  state.Team.BankBalance += state.Runtime.BankAmount;
  state.Runtime.BankAmount = 0;
}

bool CanTakeLoan(const GameState& state) { return BankOpen(state) && state.Team.BankBalance == 0; }

void TakeLoan(GameState& state) {
  if (!CanTakeLoan(state)) return;
  state.Team.BankBalance = -kLoan;
  state.Team.Cash += kLoan;
}

Int EstimatedReturn(const GameState& state) { return state.Team.BankBalance / 100 * 3; }

bool CanGamble(const GameState& state) { return state.Runtime.GambledThisMonth == 0; }

bool OpenGame(GameState& state, GambleGame game) {
  if (!CanGamble(state)) return false;
  RuntimeState& r = state.Runtime;
  switch (game) {
    case GambleGame::HorseRacing:
      r.RaceReset = 1;
      r.BetHorse = 1;
      r.RaceState = 0;
      break;
    case GambleGame::SlotMachine:
      for (Int& reel : r.Reel) reel = 1;
      for (Int& held : r.ReelHeld) held = 0;
      r.SlotState = 0;
      r.SlotCredits = 0;
      break;
    case GambleGame::Cards: break;
  }
  return true;
}

}  // namespace vantoro
