#include "sim/month.hpp"

#include <array>
#include <cstddef>

#include "state/derived.hpp"

namespace vantoro {
namespace {

// A change as the summary shows it: gains carry a plus, losses their own minus.
std::string Signed(Int change) { return (change > 0 ? "+" : "") + change.Str(); }

// What the month started with, for the summary's changes.
struct Opening {
  Int Paint;
  Int Cash;  // bank interest is added so that the summary leaves it out
  Int Morale;
};

void AdvanceCalendar(GameState& state) {
  TeamRecord& team = state.Team;
  ++team.Month;
  if (team.Month != 13) return;
  team.Month = 1;
  ++team.Year;
  YearlyOppositionDevelopment(state);
}

void WastePaint(TeamRecord& team, MonthList& list) {
  Int lost = team.Paintballs / 3;
  if (team.PBCooler == 1) lost = lost / 2;
  team.Paintballs -= lost;
  list.WriteAfterBlank("You have lost " + lost.Str() + " paintballs due to wastage and swelling.");
}

// Returns the interest (negative for fees on an overdraft).
Int BankInterest(TeamRecord& team, MonthList& list) {
  const Int interest = (team.BankBalance / 100) * 3;
  team.BankBalance += interest;
  list.NextLine();
  if (interest != 0) list.Write("Bank Interest/Fees: $" + interest.Str() + ".");
  return interest;
}

void Overdraft(TeamRecord& team, MonthList& list) {
  if (team.BankBalance >= 0) return;
  const Int worry = team.BankBalance < -2000 ? 7 : 4;
  for (int p = 1; p <= kSquadSize; ++p) team.PlayerMorale[p] -= worry;
  list.WriteNext("Bank Overdraft causes players concern.");
}

void PlayersChipIn(TeamRecord& team, MonthList& list) {
  const Int amount = TeamMorale(team) + 50;
  team.Cash += amount;
  list.WriteNext("Your team members add $" + amount.Str() + " to team funds from their own pockets.");
}

void SnackMachineTakings(GameState& state, MonthList& list) {
  TeamRecord& team = state.Team;
  if (team.SnackMachine != 1) return;
  const Int takings = state.Random(66) + 35;
  team.Cash += takings;
  list.WriteNext("Money from Clubhouse Snack Machine: $" + takings.Str());
}

// On a debt the tax is negative and raises the cash.
void Tax(TeamRecord& team, MonthList& list) {
  const Int tax = team.Cash / 15;
  team.Cash -= tax;
  list.WriteNext("Your team funds are taxed $" + tax.Str());
}

void PowerBill(TeamRecord& team, MonthList& list) {
  int appliances = 1;  // the clubhouse itself
  for (Int owned : {team.Television, team.PBCooler, team.SnackMachine, team.BeerFridge}) {
    if (owned == 1) ++appliances;
  }
  const Int bill = Int(11) * appliances + team.SecurityLevel;
  team.Cash -= bill;
  list.WriteNext("Club House Power Bill: $" + bill.Str());
}

void Sponsors(GameState& state, MonthList& list) {
  TeamRecord& team = state.Team;
  list.NextLine();
  if (team.Sponsorship == 0) list.Write("Your team is not sponsored at this time.");
  // A level below 0 is neither a sponsor nor none: the line stays blank.
  if (team.Sponsorship <= 0) return;
  const Int payment = state.Random(10) + Int(35) * team.Sponsorship;
  team.Cash += payment;
  list.Write("Sponsors contribute $" + payment.Str() + " to the team funds.");
  if (state.Random(100) + 1 <= 96) return;
  list.WriteNext("Your sponsors politely decline to renew this months contract.");
  team.Sponsorship = 0;
  for (int p = 1; p <= kSquadSize; ++p) team.PlayerMorale[p] -= state.Random(5);
}

void PaidAndTrained(GameState& state) {
  TeamRecord& team = state.Team;
  for (int p = 1; p <= kSquadSize; ++p) {
    Int& morale = team.PlayerMorale[p];
    if (team.PlayerPaid[p] == 1) {
      morale = Min(morale + 10, 100);
    } else if (team.PlayerPaid[p] == 0) {
      morale = Max(morale - (state.Random(10) + 1), 10);
    }
    if (team.PlayerTrained[p] == 1) morale = Max(morale - state.Random(5), 1);
  }
}

// No cap here: the month clamps all morale once the events are over.
void ClubhouseComforts(GameState& state) {
  TeamRecord& team = state.Team;
  for (Int owned : {team.Television, team.PoolTable, team.BeerFridge, team.SnackMachine}) {
    if (owned != 1) continue;
    for (int p = 1; p <= kSquadSize; ++p) team.PlayerMorale[p] += state.Random(7);
  }
}

void WearMarkers(GameState& state) {
  TeamRecord& team = state.Team;
  for (int p = 1; p <= kSquadSize; ++p) {
    team.PlayerMarkerCondition[p] = Max(team.PlayerMarkerCondition[p] - state.Random(5), 1);
  }
}

void TournamentOutcome(GameState& state, MonthList& list) {
  TeamRecord& team = state.Team;
  RuntimeState& rt = state.Runtime;
  switch (rt.MatchOutcome.v) {
    case 0:
      rt.MatchOpponent = team.NextOpponent;
      list.WriteAfterBlank("You have missed attending a tournament. Player Morale Drop!");
      for (int p = 1; p <= kSquadSize; ++p) team.PlayerMorale[p] -= 10;
      break;
    case 1:
      list.WriteAfterBlank("You Won a tournament game! $700 Cash Prize!");
      list.WriteNext("You win additional paint, and a trophy!");
      team.Cash += 700;
      team.Paintballs += 500;
      if (decltype(team.Trophies)::Valid(rt.TrophyKind)) ++team.Trophies[rt.TrophyKind];
      for (int p = 1; p <= kSquadSize; ++p) team.PlayerMorale[p] = Min(team.PlayerMorale[p] + 15, 100);
      WearMarkers(state);
      break;
    case 2:
      list.WriteAfterBlank("You Lost a tournament game!");
      for (int p = 1; p <= kSquadSize; ++p) team.PlayerMorale[p] -= 7;
      WearMarkers(state);
      break;
    case 3:
      list.WriteAfterBlank("You got a Draw in a tournament game! $350 Prize!");
      list.WriteNext("No additional prizes are forthcoming.");
      team.Cash += 350;
      WearMarkers(state);
      break;
    default: break;
  }
}

// The nine teams are met in turn.
void AdvanceOpponent(TeamRecord& team) {
  ++team.NextOpponent;
  if (team.NextOpponent == 10) team.NextOpponent = 1;
}

void ClampMorale(TeamRecord& team) {
  for (int p = 1; p <= kSquadSize; ++p) team.PlayerMorale[p] = Clamp(team.PlayerMorale[p], 1, 100);
}

void RecordSharePrices(TeamRecord& team) {
  if (!decltype(team.SharePriceHistory)::Valid(team.HistoryRow)) return;
  team.SharePriceHistory[team.HistoryRow] = team.SharePrice;
}

void Summary(const TeamRecord& team, const Opening& opening, MonthList& list) {
  const Int morale = TeamMorale(team);
  list.WriteAfterBlank("Current Team Cash:   $" + team.Cash.Str() + "           ($" +
                       Signed(team.Cash - opening.Cash) + ")");
  list.WriteNext("Average Team Morale:  " + morale.Str() + "%        (" + Signed(morale - opening.Morale) +
                 "%)");
  list.WriteNext("Paintballs Remaining: " + team.Paintballs.Str() + "          (" +
                 Signed(team.Paintballs - opening.Paint) + ")");
}

}  // namespace

void MonthList::Clear() {
  for (std::string& line : lines_) line.clear();
  cursor_ = 1;
}

void MonthList::Write(std::string text) {
  if (Texts30::Valid(cursor_)) lines_[cursor_] = std::move(text);
}

void ProcessMonth(GameState& state) {
  TeamRecord& team = state.Team;
  const bool tournament = state.Runtime.TournamentMonth == 1;
  Opening opening{team.Paintballs, team.Cash, TeamMorale(team)};
  MonthList list(state.Runtime.MonthLines);
  list.Clear();

  AdvanceCalendar(state);
  list.Write("It is now " + std::string(MonthName(team.Month)) + " " + team.Year.Str());
  WastePaint(team, list);
  opening.Cash += BankInterest(team, list);
  Overdraft(team, list);
  PlayersChipIn(team, list);
  SnackMachineTakings(state, list);
  Tax(team, list);
  PowerBill(team, list);
  Sponsors(state, list);
  MonthlyChanceEvents(state, list);
  PaidAndTrained(state);
  ClubhouseComforts(state);
  if (tournament) {
    TournamentOppositionDevelopment(state);
    TournamentOutcome(state, list);
  }
  LeagueRound(state);
  if (tournament) AdvanceOpponent(team);
  ClampMorale(team);
  MoveShareMarket(state);
  RecordSharePrices(team);
  Summary(team, opening, list);
}

bool BreakupRoll(GameState& state) { return state.Random(40) > TeamMorale(state.Team); }

void YearlyOppositionDevelopment(GameState& state) {
  const auto grows = [&state] { return state.Random(10) > 7; };
  const bool pumpsOnly = state.Team.GameType == 1;
  for (OppositionTeam& other : state.League) {
    for (int p = 1; p <= kSquadSize; ++p) {
      Int& marker = other.PlayerMarkerType[p];
      if (grows()) ++marker;
      marker = Min(marker, 10);
      if (grows()) ++other.PlayerAgility[p];
      if (grows()) ++other.PlayerStamina[p];
      if (grows()) ++other.PlayerAccuracy[p];
      if (grows()) ++other.PlayerSpeed[p];
      if (pumpsOnly) marker = Min(marker, 4);
    }
  }
}

void TournamentOppositionDevelopment(GameState& state) {
  // Markers better than the catalogue has released so far stay out of reach.
  const Int released = state.Team.Year - 1996;
  for (OppositionTeam& other : state.League) {
    for (int p = 1; p <= kSquadSize; ++p) {
      for (Int* stat : {&other.PlayerSpeed[p], &other.PlayerAccuracy[p], &other.PlayerStamina[p],
                        &other.PlayerAgility[p]}) {
        if (state.Random(100) < 40) *stat += state.Random(2);
      }
      Int& marker = other.PlayerMarkerType[p];
      if (marker < 7 && state.Random(100) < 11 && marker < released) ++marker;
    }
  }
}

void LeagueRound(GameState& state) {
  TeamRecord& team = state.Team;
  const RuntimeState& rt = state.Runtime;
  const bool missed = rt.TournamentMonth == 1 && rt.MatchOutcome == 0;
  const bool played = InRange(rt.MatchOutcome, 1, 3);
  if (!missed && !played) return;
  if (played) {
    ++team.GamesPlayed;
    if (rt.MatchOutcome == 1) ++team.GamesWon;
    if (rt.MatchOutcome == 2) ++team.GamesLost;
    if (rt.MatchOutcome == 3) ++team.GamesDrawn;
  }
  // Every team rolls, the opponent too, so the draws do not depend on whom
  // the team met.
  for (int t = 1; t <= kOppositionTeams; ++t) {
    Int round = state.Random(11) * 5;
    if (state.Random(100) < 50) round += state.Random(11) * 5;
    if (team.RivalTeamA == t) round = state.Random(20) + 60;
    if (team.RivalTeamB == t) round = state.Random(40) + 40;
    if (missed && team.RivalTeamC == t) round = state.Random(3) * 5 + 30;
    Int& score = state.League[t].LeagueScore;
    if (rt.MatchOpponent != t) {
      score += round;
    } else {
      score += missed ? Int(100) : rt.OppositionFinalScore;
    }
  }
  if (played) team.LeagueScore += rt.OwnFinalScore;
}

void MoveShareMarket(GameState& state) {
  constexpr int kTraded = 6;
  for (int k = 1; k <= kTraded; ++k) {
    Int& price = state.Team.SharePrice[k];
    switch ((state.Random(4) + 1).v) {
      case 1: price += state.Random(3); break;
      case 2: price += state.Random(5); break;
      case 3: price -= 1; break;
      default: break;
    }
    const Int q = state.Random(20);
    if (q == 10) price += state.Random(25);
    if (price < 120 && q == 12) price = price * 3 / 2;
    if (q == 13) price = price / 2;
    if (price > 200 && (q == 14 || q == 15)) price = price / 2;
    price = Max(price, 5);
  }
}

void ProcessMonthOnce(GameState& state) {
  if (state.Runtime.MonthProcessed != 0) return;
  state.Runtime.MonthProcessed = 1;
  ProcessMonth(state);
}

}  // namespace vantoro
