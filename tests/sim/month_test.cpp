#include "sim/month.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "month_fixture.hpp"

namespace vantoro {
namespace {

using namespace vantoro::testing;

// The opposition's growth draws first in a new year: 9 teams x 7 players x 5.
Draws NewYearGrowth() { return Draws(9 * 7 * 5, Any(10)); }

TEST(MonthTest, ListAndMonthNames) {
  Texts30 lines;
  MonthList list(lines);
  list.Write("first");
  list.WriteAfterBlank("third");
  for (int i = 0; i < 14; ++i) list.SkipLine();
  list.WriteNext("thirty-two");  // past the list: dropped
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end()), List(1, {"first", "", "third"}));
  list.Clear();
  EXPECT_EQ(list.Cursor(), 1);
  EXPECT_EQ(lines[1], "");
  const std::pair<Int, const char*> names[] = {
      {1, "January"}, {12, "December"}, {0, ""}, {13, ""}, {INT_MIN, ""}};
  for (const auto& [month, name] : names) EXPECT_EQ(MonthName(month), name) << month.v;
}

// Nothing owned, nothing sponsored, nothing happening: the fixed income and
// costs, the paid players' morale and the share market, and nothing else.
TEST(MonthTest, QuietMonth) {
  auto state = SettledTeam();
  Assign(*state, "Runtime.MonthProcessed=0 Runtime.MonthScroll=1");
  TeamRecord expected = state->Team;
  const LeagueRecord league = state->League;
  const std::uint32_t seed = SeedFor(Quiet());
  state->Rng.Seed = seed;
  ProcessMonth(*state);

  EXPECT_EQ(
      Lines(*state),
      List(1, {"It is now April 2001", "", "You have lost 300 paintballs due to wastage and swelling.", "",
               "Your team members add $130 to team funds from their own pockets.",
               "Your team funds are taxed $75", "Club House Power Bill: $12",
               "Your team is not sponsored at this time.", "", "Current Team Cash:   $1043           ($+43)",
               "Average Team Morale:  90%        (+10%)", "Paintballs Remaining: 600          (-300)"}));
  GameState market;  // the share market draws right after the four quiet tries
  market.Team.SharePrice = expected.SharePrice;
  market.Rng.Seed = SeedAfter(seed, 4);
  MoveShareMarket(market);
  expected.Month = 4;
  expected.Cash = 1043;
  expected.Paintballs = 600;
  for (int p = 1; p <= kSquadSize; ++p) expected.PlayerMorale[p] = 90;
  expected.SharePrice = expected.SharePriceHistory[15] = market.Team.SharePrice;
  EXPECT_EQ(Differences(expected, state->Team), "");
  EXPECT_EQ(std::memcmp(&league, &state->League, sizeof league), 0);
  EXPECT_EQ(Mismatches(*state, "Runtime.MonthProcessed=0 Runtime.MonthScroll=1"), "");
}

struct Scenario {
  const char* what;
  std::string setup;
  Draws draws;                                     // as far as they matter
  std::vector<std::pair<int, std::string>> lines;  // line number, text
  std::string expected;
};

const std::string kTournament =
    "Month=4 Runtime.TournamentMonth=1 Runtime.TrophyKind=2 Runtime.OwnFinalScore=87 "
    "Runtime.OppositionFinalScore=42 Runtime.MatchOpponent=3 RivalTeamA=3 RivalTeamB=3 RivalTeamC=3 ";
const std::string kOverdraft = "Bank Overdraft causes players concern.";

std::string CashLine(int cash, const char* change) {
  return "Current Team Cash:   $" + std::to_string(cash) + "           ($" + change + ")";
}
std::string Wastage(int lost) {
  return "You have lost " + std::to_string(lost) + " paintballs due to wastage and swelling.";
}

// clang-format off
const Scenario kScenarios[] = {
    {"new year", "Month=12", NewYearGrowth() + Quiet(), {{1, "It is now January 2002"}},
     "Month=1 Year=2002 Cash=1043"},
    {"into December", "Month=11", Quiet(), {{1, "It is now December 2001"}}, "Month=12 Year=2001"},
    {"month 0", "Month=0", Quiet(), {{1, "It is now January 2001"}}, "Month=1"},
    {"month 13", "Month=13", Quiet(), {{1, "It is now  2001"}}, "Month=14 Year=2001"},
    {"balance 99", "BankBalance=99", Quiet(), {{4, ""}, {10, CashLine(1043, "+43")}},
     "BankBalance=99 PlayerMorale[7]=90"},
    {"interest", "BankBalance=1000", Quiet(), {{4, "Bank Interest/Fees: $30."}, {10, CashLine(1043, "+13")}},
     "BankBalance=1030"},
    {"overdraft -99", "BankBalance=-99", Quiet(), {{4, ""}, {5, kOverdraft}, {11, CashLine(1039, "+39")}},
     "BankBalance=-99 PlayerMorale[7]=86"},
    {"overdraft -150", "BankBalance=-150", Quiet(),
     {{4, "Bank Interest/Fees: $-3."}, {5, kOverdraft}, {11, CashLine(1039, "+42")}},
     "BankBalance=-153 PlayerMorale[7]=86"},
    {"overdraft -1942", "BankBalance=-1942", Quiet(), {{4, "Bank Interest/Fees: $-57."}},
     "BankBalance=-1999 PlayerMorale[7]=86"},
    {"overdraft -2500", "BankBalance=-2500", Quiet(),
     {{4, "Bank Interest/Fees: $-75."}, {5, kOverdraft}, {11, CashLine(1037, "+112")}},
     "BankBalance=-2575 PlayerMorale[7]=83"},
    {"little paint", "Paintballs=2", Quiet(), {{3, Wastage(0)}, {12, "Paintballs Remaining: 2          (0)"}},
     "Paintballs=2"},
    {"cooler", "Paintballs=1000 PBCooler=1", Quiet(),
     {{3, Wastage(166)}, {12, "Paintballs Remaining: 834          (-166)"}}, "Paintballs=834"},
    {"paint owed", "Paintballs=-7", Quiet(),
     {{3, Wastage(-2)}, {12, "Paintballs Remaining: -5          (+2)"}},
     "Paintballs=-5"},
    {"sponsor pays", "Sponsorship=2", Draws{Is(10, 4), Is(100, 95)} + Quiet(),
     {{8, "Sponsors contribute $74 to the team funds."}, {9, ""}, {10, CashLine(1117, "+117")}},
     "Sponsorship=2 PlayerMorale[7]=90"},
    {"sponsor leaves", "Sponsorship=3",
     Draws{Is(10, 9), {100, 96, 99}, Any(5), Is(5, 0), Any(5), Any(5), Any(5), Any(5), Is(5, 4)} + Quiet(),
     {{8, "Sponsors contribute $114 to the team funds."},
      {9, "Your sponsors politely decline to renew this months contract."}, {11, CashLine(1157, "+157")}},
     "Sponsorship=0 PlayerMorale[2]=90 PlayerMorale[7]=86"},
    {"damaged sponsor level", "Sponsorship=-1", Quiet(), {{8, ""}, {10, CashLine(1043, "+43")}},
     "Sponsorship=-1"},
    {"appliances",
     "Television=1 PBCooler=1 SnackMachine=1 PoolTable=1 BeerFridge=1 SecurityLevel=3 PlayerMorale[1]=40",
     Draws{Is(66, 0)} + Quiet() + Draws{Is(7, 6)} + Draws(6, Any(7)) + Draws{Is(7, 6)} + Draws(6, Any(7)) +
         Draws{Is(7, 6)} + Draws(6, Any(7)) + Draws{Is(7, 6)},
     {{3, Wastage(150)}, {6, "Money from Clubhouse Snack Machine: $35"}, {7, "Your team funds are taxed $77"},
      {8, "Club House Power Bill: $58"}, {9, "Your team is not sponsored at this time."}},
     "Cash=1024 Paintballs=750 PlayerMorale[1]=74"},
    {"television", "Television=1", Quiet() + Draws{Is(7, 6), Is(7, 0)}, {{7, "Club House Power Bill: $23"}},
     "PlayerMorale[1]=96 PlayerMorale[2]=90"},
    {"paid, unpaid and trained",
     "PlayerMorale[1]=95 PlayerPaid[2]=0 PlayerMorale[2]=50 PlayerPaid[3]=0 PlayerMorale[3]=15 "
     "PlayerTrained[4]=1 PlayerMorale[4]=60 PlayerPaid[5]=0 PlayerTrained[5]=1 PlayerMorale[5]=12 "
     "PlayerTrained[6]=1 PlayerMorale[6]=-20 PlayerPaid[7]=2 PlayerTrained[7]=2 PlayerMorale[7]=150",
     Quiet() + Draws{Is(10, 9), Is(10, 9), Is(5, 4), Is(10, 0), Is(5, 4), Is(5, 4)}, {},
     "PlayerMorale[1]=100 PlayerMorale[2]=40 PlayerMorale[3]=10 PlayerMorale[4]=66 PlayerMorale[5]=7 "
     "PlayerMorale[6]=1 PlayerMorale[7]=100"},
    {"missed tournament",
     kTournament + "Runtime.MatchOutcome=0 Runtime.MatchOpponent=0 RivalTeamA=4 RivalTeamB=4 RivalTeamC=4",
     Quiet(),
     {{10, "You have missed attending a tournament. Player Morale Drop!"}, {11, ""},
      {12, CashLine(1043, "+43")}},
     "Runtime.MatchOpponent=4 League[4].LeagueScore=500 LeagueScore=0 GamesPlayed=0 PlayerMorale[5]=80 "
     "NextOpponent=5 PlayerMarkerCondition[7]=90"},
    {"won", kTournament + "Runtime.MatchOutcome=1 PlayerMarkerCondition[1]=1", Quiet(),
     {{10, "You Won a tournament game! $700 Cash Prize!"}, {11, "You win additional paint, and a trophy!"},
      {13, CashLine(1743, "+743")}},
     "Paintballs=1100 Trophies[2]=1 GamesPlayed=1 GamesWon=1 LeagueScore=87 League[3].LeagueScore=342 "
     "PlayerMorale[5]=100 NextOpponent=5 PlayerMarkerCondition[1]=1"},
    {"lost", kTournament + "Runtime.MatchOutcome=2", Quiet(),
     {{10, "You Lost a tournament game!"}, {12, CashLine(1043, "+43")}},
     "GamesPlayed=1 GamesLost=1 LeagueScore=87 League[3].LeagueScore=342 PlayerMorale[5]=83 Trophies[2]=0"},
    {"drawn", kTournament + "Runtime.MatchOutcome=3", Quiet(),
     {{10, "You got a Draw in a tournament game! $350 Prize!"}, {11, "No additional prizes are forthcoming."},
      {13, CashLine(1393, "+393")}},
     "GamesPlayed=1 GamesDrawn=1 LeagueScore=87 League[3].LeagueScore=342 PlayerMorale[5]=90"},
    {"last opponent", kTournament + "Runtime.MatchOutcome=2 NextOpponent=9", Quiet(), {}, "NextOpponent=1"},
    {"no tournament", "Runtime.MatchOutcome=0 NextOpponent=9", Quiet(), {{10, CashLine(1043, "+43")}},
     "NextOpponent=9 League[4].LeagueScore=400 League[9].LeagueScore=900 LeagueScore=0 GamesPlayed=0"},
};
// clang-format on

TEST(MonthTest, Scenarios) {
  for (const Scenario& s : kScenarios) {
    auto state = SettledTeam();
    Assign(*state, s.setup);
    state->Rng.Seed = SeedFor(s.draws);
    ProcessMonth(*state);
    for (const auto& [n, text] : s.lines)
      EXPECT_EQ(state->Runtime.MonthLines[n], text) << s.what << ", line " << n;
    EXPECT_EQ(Mismatches(*state, s.expected), "") << s.what;
  }
}

// The year turns before anything else draws; other months leave the
// opposition alone.
TEST(MonthTest, NewYearGrowsTheOppositionFirst) {
  for (Int month : {12, 11}) {
    auto state = SettledTeam();
    state->Team.Month = month;
    GameState grown;
    grown.League = state->League;
    state->Rng.Seed = grown.Rng.Seed = SeedFor(NewYearGrowth() + Quiet());
    if (month == 12) YearlyOppositionDevelopment(grown);
    ProcessMonth(*state);
    EXPECT_EQ(std::memcmp(&grown.League, &state->League, sizeof grown.League), 0) << month.v;
  }
}

// A player's five yearly rolls: marker, agility, stamina, accuracy, speed.
// Markers stop at 10, or at 4 in a Pumps Only league.
TEST(MonthTest, YearlyOppositionGrowth) {
  const Draw yes{10, 8, 9}, no{10, 0, 7};
  const struct {
    Int gameType, marker;
    Draws draws;
    std::vector<int> expected;
  } cases[] = {
      {0, 2, {yes, no, yes, no, yes}, {3, 12, 13, 12, 13}},
      {0, 2, {no, yes, no, yes, no}, {2, 13, 12, 13, 12}},
      {0, 10, {yes, no, no, no, no}, {10, 12, 12, 12, 12}},
      {1, 4, {yes, no, no, no, no}, {4, 12, 12, 12, 12}},
      {1, 7, {no, no, no, no, no}, {4, 12, 12, 12, 12}},
  };
  for (const auto& c : cases) {
    auto state = SettledTeam();
    state->Team.GameType = c.gameType;
    for (OppositionTeam& other : state->League) other.PlayerMarkerType[1] = c.marker;
    state->Rng.Seed = SeedFor(c.draws);
    YearlyOppositionDevelopment(*state);
    const OppositionTeam& t = state->League[1];
    EXPECT_EQ((std::vector<int>{t.PlayerMarkerType[1].v, t.PlayerAgility[1].v, t.PlayerStamina[1].v,
                                t.PlayerAccuracy[1].v, t.PlayerSpeed[1].v}),
              c.expected);
    EXPECT_LE(state->League[9].PlayerMarkerType[1], c.gameType == 1 ? 4 : 10);
  }
}

// Four skill rolls (speed, accuracy, stamina, agility), each a chance roll
// and a gain roll; then a marker roll, made only for markers below 7, whose
// upgrade waits for the catalogue to release the model.
TEST(MonthTest, TournamentOppositionGrowth) {
  const Draw chance{100, 0, 39}, none{100, 40, 99}, upgrade{100, 0, 10};
  const struct {
    Int year, marker;
    Draws draws;
    std::vector<int> expected;  // player 1's speed, accuracy, stamina, agility, marker; player 2's speed
  } cases[] = {
      {2001,
       2,
       {chance, Is(2, 1), none, chance, Is(2, 0), chance, Is(2, 1), upgrade},
       {13, 12, 12, 13, 3, 12}},
      {2001, 2, {none, none, none, none, {100, 11, 99}}, {12, 12, 12, 12, 2, 12}},
      {1998, 2, {none, none, none, none, upgrade}, {12, 12, 12, 12, 2, 12}},
      {2005, 7, {none, none, none, none, chance, Is(2, 1)}, {12, 12, 12, 12, 7, 13}},
  };
  for (const auto& c : cases) {
    auto state = SettledTeam();
    state->Team.Year = c.year;
    for (Int& marker : state->League[1].PlayerMarkerType) marker = c.marker;
    state->Rng.Seed = SeedFor(c.draws);
    TournamentOppositionDevelopment(*state);
    const OppositionTeam& t = state->League[1];
    EXPECT_EQ((std::vector<int>{t.PlayerSpeed[1].v, t.PlayerAccuracy[1].v, t.PlayerStamina[1].v,
                                t.PlayerAgility[1].v, t.PlayerMarkerType[1].v, t.PlayerSpeed[2].v}),
              c.expected)
        << c.year.v;
  }
}

// One team's rolls in a round: a base score, perhaps a second part, then the
// rivals' own rolls. Every team rolls, the opponent too.
TEST(MonthTest, LeagueRoundRolls) {
  const Draw second{100, 0, 49}, single{100, 50, 99};
  const struct {
    const char* setup;
    Draws draws;
    int team, gain;
  } cases[] = {
      {"", {Is(11, 3), second, Is(11, 4)}, 1, 35},
      {"", {Is(11, 3), single}, 1, 15},
      {"RivalTeamA=1", {Any(11), single, Is(20, 19)}, 1, 79},
      {"RivalTeamA=1", {Any(11), second, Any(11), Is(20, 0)}, 1, 60},
      {"RivalTeamB=1", {Any(11), single, Is(40, 39)}, 1, 79},
      {"RivalTeamB=1", {Any(11), single, Is(40, 0)}, 1, 40},
      {"RivalTeamC=1", {Any(11), single, Is(3, 0)}, 1, 30},
      {"RivalTeamA=1 RivalTeamB=1 RivalTeamC=1", {Any(11), single, Any(20), Any(40), Is(3, 2)}, 1, 40},
      {"RivalTeamC=1 Runtime.MatchOutcome=1", {Is(11, 2), single}, 1, 10},  // weak only when missed
      {"Runtime.MatchOpponent=1", {Any(11), second, Any(11), Is(11, 3), single}, 2, 15},
  };
  for (const auto& c : cases) {
    auto state = SettledTeam();
    Assign(*state, std::string("Runtime.TournamentMonth=1 Runtime.MatchOpponent=9 ") + c.setup);
    state->Rng.Seed = SeedFor(c.draws);
    LeagueRound(*state);
    EXPECT_EQ(state->League[c.team].LeagueScore - 100 * c.team, c.gain) << c.setup;
  }
}

TEST(MonthTest, ShareMarket) {
  const struct {
    Int price;
    Draws draws;  // company 1's rolls
    int expected;
  } cases[] = {
      {100, {Is(4, 3), Is(20, 12)}, 150},
      {119, {Is(4, 2), Is(20, 12)}, 177},
      {120, {Is(4, 3), Is(20, 12)}, 120},
      {121, {Is(4, 2), Is(20, 12)}, 120},
      {119, {Is(4, 0), Is(3, 2), Is(20, 12)}, 121},
      {100, {Is(4, 1), Is(5, 4), Is(20, 0)}, 104},
      {100, {Is(4, 3), Is(20, 10), Is(25, 24)}, 124},
      {50, {Is(4, 3), Is(20, 13)}, 25},
      {300, {Is(4, 3), Is(20, 14)}, 150},
      {201, {Is(4, 3), Is(20, 15)}, 100},
      {200, {Is(4, 3), Is(20, 14)}, 200},
      {6, {Is(4, 2), Is(20, 13)}, 5},
      {4, {Is(4, 3), Is(20, 0)}, 5},
  };
  for (const auto& c : cases) {
    auto state = SettledTeam();
    state->Team.SharePrice[1] = c.price;
    state->Rng.Seed = SeedFor(c.draws);
    MoveShareMarket(*state);
    EXPECT_EQ(state->Team.SharePrice[1], c.expected) << c.price.v;
    EXPECT_EQ(Mismatches(*state, "SharePrice[7]=47 SharePrice[10]=50"), "");
  }
}

void Fill(GameState& state, std::uint8_t byte) {
  std::array<std::byte, kTeamRecordSize> team;
  team.fill(std::byte{byte});
  ReadImage(team, state.Team);
  std::array<std::byte, kLeagueRecordSize> league;
  league.fill(std::byte{byte});
  ReadImage(league, state.League);
}

// Whatever a save holds, the month stays inside the records and the list,
// records no trophy or price row that does not exist, and ends with morale
// in 1..100.
TEST(MonthTest, HostileValues) {
  std::vector<std::function<void(GameState&)>> changes;
  for (const char* extreme : {"-2147483648", "2147483647", "-1", "0", "241", "5", "10", "99"}) {
    for (const char* field :
         {"Cash", "BankBalance", "Paintballs", "HistoryRow", "Month", "Year", "Sponsorship", "NextOpponent",
          "RivalTeamA", "LockStrength", "SecurityLevel", "GarageLevel", "Vehicle", "PlayerMorale[1]",
          "PlayerMarkerType[2]", "Runtime.TrophyKind", "Runtime.MatchOpponent", "Runtime.MatchOutcome",
          "SharePrice[3]"}) {
      const std::string assignment = std::string(field) + "=" + extreme;
      changes.push_back(
          [assignment](GameState& s) { Assign(s, kTournament + "Runtime.MatchOutcome=1 " + assignment); });
    }
  }
  for (std::uint8_t byte : {0x00, 0x7F, 0x80, 0xFF}) {
    changes.push_back([byte](GameState& s) { Fill(s, byte); });
    changes.push_back([byte](GameState& s) {
      Fill(s, byte);
      Assign(s, "Runtime.TournamentMonth=1 Runtime.MatchOutcome=1");
    });
  }
  for (std::size_t i = 0; i < changes.size(); ++i) {
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
      auto state = SettledTeam();
      changes[i](*state);
      const TeamRecord before = state->Team;
      state->Rng.Seed = seed * 2654435761U;
      ProcessMonth(*state);
      const TeamRecord& after = state->Team;
      for (int p = 1; p <= kSquadSize; ++p) ASSERT_TRUE(InRange(after.PlayerMorale[p], 1, 100)) << i;
      if (!InRange(state->Runtime.TrophyKind, 1, 4)) {
        EXPECT_EQ(std::memcmp(&before.Trophies, &after.Trophies, sizeof before.Trophies), 0) << i;
      }
      if (!InRange(before.HistoryRow, 1, kHistoryRows)) {
        EXPECT_EQ(
            std::memcmp(&before.SharePriceHistory, &after.SharePriceHistory, sizeof after.SharePriceHistory),
            0)
            << i;
      }
    }
  }
}

}  // namespace
}  // namespace vantoro
