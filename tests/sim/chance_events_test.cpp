#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <set>
#include <tuple>

#include "month_fixture.hpp"
#include "sim/month.hpp"
#include "text/generators.hpp"

namespace vantoro {
namespace {

using namespace vantoro::testing;

using Event = std::function<void(GameState&, MonthList&)>;
Event Row(int e) {
  return [e](GameState& state, MonthList& list) { ApplyTableEvent(state, list, e); };
}

struct EventCase {
  const char* what;
  Event event;
  Draws draws;  // every draw the event makes
  std::string setup;
  std::vector<std::string> lines;  // from line 3
  std::string effect;              // every change the event makes
};

const std::string kFullMorale =
    "PlayerMorale[3]=100 PlayerMorale[4]=100 PlayerMorale[5]=100 PlayerMorale[6]=100 PlayerMorale[7]=100 ";
using Texts = std::vector<std::string>;
Texts operator+(Texts a, const Texts& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
const Texts kTransfer = {"A failed bank transfer causes some money to be lost."};
const Texts kGasLaw = {"Law changes regarding gas bottles mean that paintball markers",
                       "need modifications to keep them within regulations."};
const Texts kBurglar = {"Someone attempts to burgle your clubhouse.",
                        "Door Locks are forced open...the thief gains entry."};
const Texts kInside = kBurglar + Texts{"The thief bypasses your security alarm."};
const Texts kCarThief = {"Someone tries to steal your vehicle."};

// clang-format off
const EventCase kCases[] = {
    {"winnings", Row(1), {Is(150, 10)}, "",
     {"Your team wins some money in an online paintball competition.", "Winnings: $60"}, "Cash=1060"},
    {"logo", Row(2), {}, "", {"A sporting company pays you $350 to carry their logo."}, "Cash=1350"},
    {"free paint", Row(3), {}, "",
     {"As part of a promotion, a paintball company send you a free sample",
      "of 500 rounds of their new brand of paint."}, "Paintballs=1400"},
    {"marker upgrade", Row(4), {Is(7, 2)}, "PlayerMarkerType[3]=9 PlayerMorale[3]=95",
     {"Cat Clay wins a marker upgrade in a local competition!"},
     "PlayerMarkerType[3]=10 PlayerMarkerCustom[3]=0 PlayerMarkerCondition[3]=100 PlayerMorale[3]=100"},
    {"no upgrade past model 10", Row(4), {Is(7, 2)}, "PlayerMarkerType[3]=10", {}, ""},
    {"no upgrade in Pumps Only", Row(4), {Is(7, 2)}, "GameType=1", {}, ""},
    {"rave review", Row(5), Draws{Is(8, 0), Is(8, 7)} + Draws(5, Any(8)), kFullMorale + "PlayerMorale[2]=95",
     {"Your team receives a rave review in a regional paintball magazine!"},
     "PlayerMorale[1]=81 PlayerMorale[2]=100"},
    {"hard training", Row(6), {Is(7, 0)}, "",
     {"Ann Avon trains especially hard this month.", "An overall skill increase is evident."},
     "PlayerSpeed[1]=13 PlayerAccuracy[1]=13 PlayerAgility[1]=13 PlayerStamina[1]=13"},
    {"security firm", Row(7), {}, "",
     {"In return for a mention at any future tournament prizegivings, a",
      "local security firm upgrades your HQ doorlocks and alarm system."},
     "LockStrength=3 GarageLevel=3 SecurityLevel=3"},
    {"failed break-in", Row(8), {}, "",
     {"Someone tries to break into your clubhouse.",
      "They are disturbed, and run away before gaining entry, but there",
      "is some damage to the door locks at the front of the house."}, "LockStrength=0"},
    {"money lost", Row(9), {Is(100, 49)}, "BankBalance=51",
     kTransfer + Texts{"$50 has gone missing from your account."}, "BankBalance=1"},
    {"money found", Row(9), {Is(100, 49)}, "BankBalance=50",
     kTransfer + Texts{"The bank quickly locates the money, and apologises."}, ""},
    {"empty account", Row(9), {Is(100, 0)}, "",
     kTransfer + Texts{"The bank quickly locates the money, and apologises."}, ""},
    {"injury", Row(10), {Is(7, 6)}, "PlayerAgility[7]=1", {"Gus Gale is injured in a mis-hap."},
     "PlayerMorale[7]=65 PlayerSpeed[7]=11"},
    {"marker salvaged", Row(11), {Is(7, 1), Is(100, 30), Is(20, 5)}, "PlayerMarkerCondition[2]=30",
     {"Bob Blake has a marker malfunction during maintenance.",
      "The marker was in good enough repair to be salvageable this time.",
      "However, it has become badly damaged in the incident."}, "PlayerMarkerCondition[2]=15"},
    {"marker lost", Row(11), {Is(7, 1), Is(100, 31)}, "PlayerMarkerCondition[2]=30 PlayerMorale[2]=15",
     {"Bob Blake has a marker malfunction during maintenance.",
      "After much aggrovation, it becomes clear that it is unfixable."},
     "PlayerMarkerType[2]=0 PlayerMarkerCustom[2]=0 PlayerMorale[2]=1"},
    {"no marker to break", Row(11), {Is(7, 1)}, "PlayerMarkerType[2]=0", {}, ""},
    {"party", Row(12), {Is(7, 3), Is(3, 2)}, "PlayerPopularity[4]=98",
     {"Dan Drej throws a party. This player is now more popular."}, "PlayerPopularity[4]=100"},
    {"unfriendly", Row(13), {Is(7, 4), Is(3, 2)}, "PlayerPopularity[5]=12",
     {"Eve Enders makes an unfriendly comment and is now less popular."}, "PlayerPopularity[5]=10"},
    {"bad press", Row(14), {Is(8, 7), Is(8, 0), Is(8, 1), Is(8, 2), Is(8, 3), Is(8, 4), Is(8, 5)},
     "PlayerMorale[1]=3",
     {"Bad press reporting shows paintball in a negative light.",
      "Some of your team members are disheartened."},
     "PlayerMorale[1]=-4 PlayerMorale[3]=79 PlayerMorale[4]=78 PlayerMorale[5]=77 PlayerMorale[6]=76 "
     "PlayerMorale[7]=75"},
    {"gas law", Row(15), {}, "Cash=500 PlayerMarkerType[2]=0 PlayerMarkerType[5]=0 PlayerMarkerType[7]=0",
     kGasLaw + Texts{"Modifications cost $25 per marker - Total $100"}, "Cash=400"},
    {"gas law, short of cash", Row(15), {}, "Cash=499",
     kGasLaw + Texts{"Fortunately, all your teams markers already comply."}, ""},
    {"lottery", Row(16), {Is(100, 0)}, "", {"The teams weekly Lottery Ticket pays off! You win $10"},
     "Cash=1010"},
    {"water leak", Row(17), {}, "Paintballs=351", {"A water leak causes the loss of 200 paintballs."},
     "Paintballs=151"},
    {"too little paint to leak", Row(17), {}, "Paintballs=350", {}, ""},
    {"news", Row(18), Draws{Is(10, 9), Is(10, 0)} + Draws(5, Any(10)),
     kFullMorale + "PlayerMorale[1]=95 PlayerMorale[2]=50",
     {"A short paintball article on the local news is well received."}, "PlayerMorale[1]=100"},
    {"row 0", Row(0), {}, "", {}, ""},
    {"row 19", Row(19), {}, "", {}, ""},
    {"row INT_MIN", Row(INT_MIN), {}, "", {}, ""},
    {"burglar at the door", Burglary, {Is(12, 1)}, "",
     {kBurglar[0], "The thief doesnt even get past your door locks!"}, ""},
    {"burglar and alarm", Burglary, {Is(12, 2), Is(12, 1)}, "",
     kBurglar + Texts{"Your security alarm goes off, scaring the thief away."}, ""},
    {"burglary", Burglary, {Is(12, 2), Is(12, 0), Is(1000, 129), Is(7, 1)}, "SecurityLevel=-1 Television=1",
     kInside + Texts{"$12 cash is stolen.", "Bob Blake finds a paintball marker has been stolen.",
                     "Your Club House TV has been stolen."},
     "Cash=988 PlayerMarkerType[2]=0 PlayerMarkerCustom[2]=0 PlayerMarkerCondition[2]=100 Television=0"},
    {"empty till", Burglary, {Is(12, 11), Is(12, 1), {0, 0, 0}, Is(7, 0)},
     "Cash=0 SecurityLevel=0 PlayerMarkerType[1]=0", kInside + Texts{"$0 cash is stolen."}, ""},
    {"overdrawn till", Burglary, {Is(12, 11), Is(12, 11), {-100, 0, 0}, Is(7, 0)},
     "Cash=-100 PlayerMarkerType[1]=0", kInside + Texts{"$0 cash is stolen."}, ""},
    {"garage holds", VehicleTheft, {Is(7, 1)}, "Vehicle=3",
     kCarThief + Texts{"The thief doesnt manage to open your garage door."}, ""},
    {"car stolen", VehicleTheft, {Is(7, 2)}, "Vehicle=3",
     kCarThief + Texts{"The thief slips past your garage door locks. Your car is stolen.",
                       "Someone gives you a clapped out old banger to use as a team vehicle."}, "Vehicle=1"},
};
// clang-format on

TEST(ChanceEventTest, Events) {
  for (const EventCase& c : kCases) {
    auto state = SettledTeam();
    Assign(*state, c.setup);
    GameState expected = *state;
    Assign(expected, c.effect);
    const std::uint32_t seed = SeedFor(c.draws);
    state->Rng.Seed = seed;
    MonthList list(state->Runtime.MonthLines);
    c.event(*state, list);
    EXPECT_EQ(Lines(*state), List(3, c.lines)) << c.what;
    EXPECT_EQ(Differences(expected.Team, state->Team), "") << c.what;
    EXPECT_EQ(state->Rng.Seed, SeedAfter(seed, c.draws.size())) << c.what << ": number of draws";
  }
}

// Rows 4 and 11 move the cursor before their test fails; row 17 does not.
TEST(ChanceEventTest, FailedConditionsAndTheCursor) {
  for (const auto& [e, cursor] : {std::pair{4, 3}, {11, 3}, {17, 1}}) {
    auto state = SettledTeam();
    Assign(*state, "GameType=1 Paintballs=0");
    for (Int& marker : state->Team.PlayerMarkerType) marker = 0;
    MonthList list(state->Runtime.MonthLines);
    ApplyTableEvent(*state, list, e);
    EXPECT_EQ(list.Cursor(), cursor) << e;
  }
}

// Locks at 11 stop every roll; an alarm at 0 stops only a roll of 0.
TEST(ChanceEventTest, LockAndAlarmLevels) {
  for (int r = 0; r < 12; ++r) {
    for (const bool door : {true, false}) {
      auto state = SettledTeam();
      Assign(*state, door ? "LockStrength=11" : "LockStrength=-1 SecurityLevel=0");
      state->Rng.Seed = SeedFor(door ? Draws{Is(12, r)} : Draws{Any(12), Is(12, r)});
      MonthList list(state->Runtime.MonthLines);
      Burglary(*state, list);
      const bool inside = state->Runtime.MonthLines[5] == "The thief bypasses your security alarm.";
      EXPECT_EQ(inside, !door && r > 0) << (door ? "door" : "alarm") << ", roll " << r;
    }
  }
}

// The newcomer takes the leaver's slot at once with fresh values; the others
// are unsettled but keep at least 1 morale.
TEST(ChanceEventTest, PlayerLeavesAndIsReplaced) {
  std::set<int> markers, morale;
  for (std::uint32_t seed = 1; seed <= 300; ++seed) {
    auto state = SettledTeam();
    for (int p = 1; p <= kSquadSize; ++p) state->Team.PlayerMorale[p] = 3;
    state->Rng.Seed = seed * 2654435761U;
    GameState mirror;  // the leaver and the new name come from the first draws
    mirror.Rng.Seed = state->Rng.Seed;
    const int p = mirror.Random(7).v + 1;
    const std::string name = MakePersonName(mirror);

    MonthList list(state->Runtime.MonthLines);
    PlayerLeaves(*state, list);
    const TeamRecord& t = state->Team;
    EXPECT_EQ(Lines(*state),
              List(3, {std::string(kNames[p]) + ", citing personal reasons, decides to leave the team.",
                       "You quickly find a replacement: " + name}));
    EXPECT_EQ(t.PlayerGender[p], mirror.Runtime.NameGender);
    const std::tuple<Int, int, int> ranges[] = {
        {t.PlayerPortrait[p], 1, 8},     {t.PlayerFigure[p], 1, 4},     {t.PlayerMarkerType[p], 0, 3},
        {t.PlayerMarkerAge[p], 1, 3},    {t.PlayerSpeed[p], 10, 19},    {t.PlayerAgility[p], 10, 19},
        {t.PlayerStamina[p], 10, 19},    {t.PlayerAccuracy[p], 10, 19}, {t.PlayerMorale[p], 90, 99},
        {t.PlayerPopularity[p], 80, 89},
    };
    for (const auto& [value, lo, hi] : ranges) EXPECT_TRUE(InRange(value, lo, hi)) << value.v;
    EXPECT_EQ(Mismatches(*state, "PlayerMarkerCondition[" + std::to_string(p) + "]=100 PlayerMarkerCustom[" +
                                     std::to_string(p) + "]=0 PlayerPaid[" + std::to_string(p) + "]=1"),
              "");
    EXPECT_FALSE(t.PlayerOccupation[p].Empty());
    for (int other = 1; other <= kSquadSize; ++other) {
      EXPECT_TRUE(other == p || InRange(t.PlayerMorale[other], 1, 3)) << other;
    }
    EXPECT_EQ(state->Rng.Seed, SeedAfter(seed * 2654435761U, 20)) << "number of draws";
    markers.insert(t.PlayerMarkerType[p].v);
    morale.insert(t.PlayerMorale[p].v);
  }
  EXPECT_EQ(markers.size(), 4U);
  EXPECT_EQ(morale.size(), 10U);
}

// The four tries come in their order, each after the one before has drawn
// all it needs; several can happen in one month. The cheapest car is never
// stolen, but its theft roll is drawn all the same.
TEST(ChanceEventTest, TheFourTriesInOrder) {
  const Draws leaving = Draws{Is(36, 10), Is(7, 2)} + Draws(19, Any(4));
  const Draws all = Draws{Is(30, 2)} + leaving + Draws{Is(20, 9), Any(12), Is(40, 10), Any(7)};
  const Draws cheapCar = {{30, 19, 29}, {36, 11, 35}, {20, 10, 19}, Is(40, 10)};
  for (const bool everything : {true, false}) {
    const Draws& draws = everything ? all : cheapCar;
    auto state = SettledTeam();
    Assign(*state, std::string("LockStrength=11 GarageLevel=6 Vehicle=") + (everything ? "3" : "1"));
    const std::uint32_t seed = SeedFor(draws);
    state->Rng.Seed = seed;
    MonthList list(state->Runtime.MonthLines);
    MonthlyChanceEvents(*state, list);
    const Texts lines = {"A sporting company pays you $350 to carry their logo.",
                         "",
                         "Cat Clay, citing personal reasons, decides to leave the team.",
                         "You quickly find a replacement: " + state->Team.PlayerName[3].Str(),
                         "",
                         "Someone attempts to burgle your clubhouse.",
                         "The thief doesnt even get past your door locks!",
                         "",
                         "Someone tries to steal your vehicle.",
                         "The thief doesnt manage to open your garage door."};
    EXPECT_EQ(Lines(*state), List(3, everything ? lines : Texts{}));
    EXPECT_EQ(state->Rng.Seed, SeedAfter(seed, draws.size()));
  }
}

// Events on a team from a damaged save stay inside the records and the list.
TEST(ChanceEventTest, HostileTeams) {
  for (Int extreme : {kIntMin, kIntMax, Int(-1), Int(0)}) {
    for (int e = 1; e <= 18; ++e) {
      auto state = SettledTeam();
      TeamRecord& t = state->Team;
      t.Cash = t.BankBalance = t.Paintballs = t.LockStrength = t.SecurityLevel = t.GarageLevel = t.Vehicle =
          t.GameType = t.Television = extreme;
      for (int p = 1; p <= kPlayerSlots; ++p) {
        t.PlayerMarkerType[p] = t.PlayerMarkerCondition[p] = t.PlayerMorale[p] = t.PlayerPopularity[p] =
            t.PlayerSpeed[p] = t.PlayerAgility[p] = extreme;
        t.PlayerName[p].Length = 255;
      }
      state->Rng.Seed = static_cast<std::uint32_t>(e) * 2654435761U;
      MonthList list(state->Runtime.MonthLines);
      ApplyTableEvent(*state, list, e);
      PlayerLeaves(*state, list);
      Burglary(*state, list);
      VehicleTheft(*state, list);
      EXPECT_LE(list.Cursor(), 30);
    }
  }
}

}  // namespace
}  // namespace vantoro
