// What fortune brings in a month: one of eighteen assorted events, a player
// walking out, a burglar at the clubhouse and a thief at the garage.

#include <array>
#include <cstddef>

#include "sim/month.hpp"
#include "sim/players.hpp"
#include "text/generators.hpp"

namespace vantoro {
namespace {

Int RandomPlayer(GameState& state) { return state.Random(kSquadSize) + 1; }

std::string Name(const TeamRecord& team, Int p) { return team.PlayerName[p].Str(); }

template <class Change>
void EveryPlayer(TeamRecord& team, Change change) {
  for (int p = 1; p <= kSquadSize; ++p) change(team.PlayerMorale[p]);
}

void OnlineWinnings(GameState& state, MonthList& list) {
  list.WriteAfterBlank("Your team wins some money in an online paintball competition.");
  const Int winnings = state.Random(150) + 50;
  state.Team.Cash += winnings;
  list.WriteNext("Winnings: $" + winnings.Str());
}

void LogoDeal(GameState& state, MonthList& list) {
  list.WriteAfterBlank("A sporting company pays you $350 to carry their logo.");
  state.Team.Cash += 350;
}

void FreePaint(GameState& state, MonthList& list) {
  list.WriteAfterBlank("As part of a promotion, a paintball company send you a free sample");
  list.WriteNext("of 500 rounds of their new brand of paint.");
  state.Team.Paintballs += 500;
}

// Pumps Only forbids the better markers, so no upgrade is won there.
void MarkerUpgrade(GameState& state, MonthList& list) {
  TeamRecord& team = state.Team;
  list.SkipLine();
  const Int p = RandomPlayer(state);
  if (!(team.PlayerMarkerType[p] < 10 && team.GameType != 1)) return;
  list.Write(Name(team, p) + " wins a marker upgrade in a local competition!");
  ++team.PlayerMarkerType[p];
  team.PlayerMarkerCustom[p] = 0;
  team.PlayerMarkerCondition[p] = 100;
  team.PlayerMorale[p] = Min(team.PlayerMorale[p] + 10, 100);
}

void RaveReview(GameState& state, MonthList& list) {
  list.WriteAfterBlank("Your team receives a rave review in a regional paintball magazine!");
  EveryPlayer(state.Team, [&state](Int& morale) { morale = Min(morale + state.Random(8) + 1, 100); });
}

void HardTraining(GameState& state, MonthList& list) {
  TeamRecord& team = state.Team;
  const Int p = RandomPlayer(state);
  list.WriteAfterBlank(Name(team, p) + " trains especially hard this month.");
  list.WriteNext("An overall skill increase is evident.");
  ++team.PlayerSpeed[p];
  ++team.PlayerAccuracy[p];
  ++team.PlayerAgility[p];
  ++team.PlayerStamina[p];
}

void SecurityUpgrade(GameState& state, MonthList& list) {
  TeamRecord& team = state.Team;
  list.WriteAfterBlank("In return for a mention at any future tournament prizegivings, a");
  list.WriteNext("local security firm upgrades your HQ doorlocks and alarm system.");
  team.LockStrength += 2;
  team.GarageLevel += 2;
  team.SecurityLevel += 2;
}

void FailedBreakIn(GameState& state, MonthList& list) {
  list.WriteAfterBlank("Someone tries to break into your clubhouse.");
  list.WriteNext("They are disturbed, and run away before gaining entry, but there");
  list.WriteNext("is some damage to the door locks at the front of the house.");
  state.Team.LockStrength = Max(state.Team.LockStrength - 2, 0);
}

// An account that holds less than the missing sum is always put right.
void FailedTransfer(GameState& state, MonthList& list) {
  TeamRecord& team = state.Team;
  list.WriteAfterBlank("A failed bank transfer causes some money to be lost.");
  const Int missing = state.Random(100) + 1;
  if (missing < team.BankBalance) {
    team.BankBalance -= missing;
    list.WriteNext("$" + missing.Str() + " has gone missing from your account.");
  } else {
    list.WriteNext("The bank quickly locates the money, and apologises.");
  }
}

void Injury(GameState& state, MonthList& list) {
  TeamRecord& team = state.Team;
  const Int p = RandomPlayer(state);
  list.WriteAfterBlank(Name(team, p) + " is injured in a mis-hap.");
  team.PlayerMorale[p] -= 15;
  team.PlayerAgility[p] = Max(team.PlayerAgility[p] - 1, 1);
  team.PlayerSpeed[p] = Max(team.PlayerSpeed[p] - 1, 1);
}

// A marker in good condition is likelier to survive: one at 100 always does.
void MarkerMalfunction(GameState& state, MonthList& list) {
  TeamRecord& team = state.Team;
  list.SkipLine();
  const Int p = RandomPlayer(state);
  if (!(team.PlayerMarkerType[p] > 0)) return;
  list.Write(Name(team, p) + " has a marker malfunction during maintenance.");
  if (state.Random(100) > team.PlayerMarkerCondition[p]) {
    list.WriteNext("After much aggrovation, it becomes clear that it is unfixable.");
    team.PlayerMarkerType[p] = 0;
    team.PlayerMarkerCustom[p] = 0;
    team.PlayerMorale[p] = Max(team.PlayerMorale[p] - 20, 1);
  } else {
    list.WriteNext("The marker was in good enough repair to be salvageable this time.");
    list.WriteNext("However, it has become badly damaged in the incident.");
    team.PlayerMarkerCondition[p] = state.Random(20) + 10;
  }
}

void Party(GameState& state, MonthList& list) {
  TeamRecord& team = state.Team;
  const Int p = RandomPlayer(state);
  list.WriteAfterBlank(Name(team, p) + " throws a party. This player is now more popular.");
  team.PlayerPopularity[p] = Min(team.PlayerPopularity[p] + state.Random(3) + 1, 100);
}

void UnfriendlyComment(GameState& state, MonthList& list) {
  TeamRecord& team = state.Team;
  const Int p = RandomPlayer(state);
  list.WriteAfterBlank(Name(team, p) + " makes an unfriendly comment and is now less popular.");
  team.PlayerPopularity[p] = Max(team.PlayerPopularity[p] - (state.Random(3) + 1), 10);
}

void BadPress(GameState& state, MonthList& list) {
  list.WriteAfterBlank("Bad press reporting shows paintball in a negative light.");
  list.WriteNext("Some of your team members are disheartened.");
  EveryPlayer(state.Team, [&state](Int& morale) { morale -= state.Random(8); });
}

// A team short of cash is let off the modifications.
void GasBottleLaw(GameState& state, MonthList& list) {
  TeamRecord& team = state.Team;
  list.WriteAfterBlank("Law changes regarding gas bottles mean that paintball markers");
  list.WriteNext("need modifications to keep them within regulations.");
  if (team.Cash < 500) {
    list.WriteNext("Fortunately, all your teams markers already comply.");
    return;
  }
  int markers = 0;
  for (int p = 1; p <= kSquadSize; ++p) {
    if (team.PlayerMarkerType[p] > 0) ++markers;
  }
  const Int total = Int(25) * markers;
  team.Cash -= total;
  list.WriteNext("Modifications cost $25 per marker - Total $" + total.Str());
}

void Lottery(GameState& state, MonthList& list) {
  const Int winnings = state.Random(100) + 10;
  state.Team.Cash += winnings;
  list.WriteAfterBlank("The teams weekly Lottery Ticket pays off! You win $" + winnings.Str());
}

// A nearly empty store has nothing to spoil and nothing to report.
void WaterLeak(GameState& state, MonthList& list) {
  if (!(state.Team.Paintballs > 350)) return;
  list.WriteAfterBlank("A water leak causes the loss of 200 paintballs.");
  state.Team.Paintballs -= 200;
}

void NewsArticle(GameState& state, MonthList& list) {
  list.WriteAfterBlank("A short paintball article on the local news is well received.");
  EveryPlayer(state.Team, [&state](Int& morale) { morale = Min(morale + state.Random(10), 100); });
}

using TableEvent = void (*)(GameState&, MonthList&);

constexpr std::array<TableEvent, 18> kTableEvents = {
    OnlineWinnings,    LogoDeal,      FreePaint,      MarkerUpgrade, RaveReview,        HardTraining,
    SecurityUpgrade,   FailedBreakIn, FailedTransfer, Injury,        MarkerMalfunction, Party,
    UnfriendlyComment, BadPress,      GasBottleLaw,   Lottery,       WaterLeak,         NewsArticle,
};

// A newcomer fills the empty slot at once and counts as paid this month.
void Replace(GameState& state, Int p) {
  TeamRecord& team = state.Team;
  team.PlayerName[p] = MakePersonName(state);
  team.PlayerGender[p] = state.Runtime.NameGender;
  team.PlayerPortrait[p] = state.Random(8) + 1;
  team.PlayerFigure[p] = state.Random(4) + 1;
  team.PlayerMarkerType[p] = state.Random(4);
  team.PlayerMarkerCondition[p] = 100;
  team.PlayerMarkerAge[p] = state.Random(3) + 1;
  team.PlayerMarkerCustom[p] = 0;
  RollStatistics(state, team, p, 10);
  team.PlayerMorale[p] = state.Random(10) + 90;
  team.PlayerPopularity[p] = state.Random(10) + 80;
  team.PlayerTagsFor[p] = 0;
  team.PlayerTagsAgainst[p] = 0;
  team.PlayerFlagsPulled[p] = 0;
  team.PlayerOccupation[p] = MakeOccupation(state);
  team.PlayerPaid[p] = 1;
  team.PlayerTrained[p] = 0;
}

}  // namespace

void ApplyTableEvent(GameState& state, MonthList& list, Int e) {
  if (InRange(e, 1, static_cast<int>(kTableEvents.size())))
    kTableEvents[static_cast<std::size_t>(e.v - 1)](state, list);
}

void PlayerLeaves(GameState& state, MonthList& list) {
  TeamRecord& team = state.Team;
  const Int p = RandomPlayer(state);
  list.WriteAfterBlank(Name(team, p) + ", citing personal reasons, decides to leave the team.");
  Replace(state, p);
  list.WriteNext("You quickly find a replacement: " + Name(team, p));
  for (int other = 1; other <= kSquadSize; ++other) {
    if (other != p) team.PlayerMorale[other] = Max(team.PlayerMorale[other] - state.Random(8), 1);
  }
}

// Locks and alarm each stop the thief when their level reaches a roll of
// 0..11, so level 11 keeps out everyone.
void Burglary(GameState& state, MonthList& list) {
  TeamRecord& team = state.Team;
  list.WriteAfterBlank("Someone attempts to burgle your clubhouse.");
  if (team.LockStrength >= state.Random(12)) {
    list.WriteNext("The thief doesnt even get past your door locks!");
    return;
  }
  list.WriteNext("Door Locks are forced open...the thief gains entry.");
  if (team.SecurityLevel >= state.Random(12)) {
    list.WriteNext("Your security alarm goes off, scaring the thief away.");
    return;
  }
  list.WriteNext("The thief bypasses your security alarm.");
  // An empty or overdrawn till gives the roll no range: nothing is taken.
  const Int stolen = state.Random(team.Cash) / 10;
  list.WriteNext("$" + stolen.Str() + " cash is stolen.");
  team.Cash -= stolen;
  const Int p = RandomPlayer(state);
  if (team.PlayerMarkerType[p] > 0) {
    list.WriteNext(Name(team, p) + " finds a paintball marker has been stolen.");
    team.PlayerMarkerType[p] = 0;
    team.PlayerMarkerCustom[p] = 0;
    team.PlayerMarkerCondition[p] = 100;
  }
  if (team.Television == 1) {
    list.WriteNext("Your Club House TV has been stolen.");
    team.Television = 0;
  }
}

void VehicleTheft(GameState& state, MonthList& list) {
  TeamRecord& team = state.Team;
  list.WriteAfterBlank("Someone tries to steal your vehicle.");
  if (team.GarageLevel >= state.Random(7)) {
    list.WriteNext("The thief doesnt manage to open your garage door.");
    return;
  }
  list.WriteNext("The thief slips past your garage door locks. Your car is stolen.");
  list.WriteNext("Someone gives you a clapped out old banger to use as a team vehicle.");
  team.Vehicle = 1;
}

// Always tried in this order; several can happen in one month.
void MonthlyChanceEvents(GameState& state, MonthList& list) {
  ApplyTableEvent(state, list, state.Random(30));
  if (state.Random(36) == 10) PlayerLeaves(state, list);
  if (state.Random(20) + 1 == 10) Burglary(state, list);
  // The roll comes first: a team with the cheapest car is never targeted, but
  // the draw is made all the same.
  if (state.Random(40) == 10 && state.Team.Vehicle > 1) VehicleTheft(state, list);
}

}  // namespace vantoro
