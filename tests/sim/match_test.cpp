// The tournament game: shots, moves, the flag, scoring and whole matches,
// without any screen.

#include "sim/match.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>

#include "month_fixture.hpp"
#include "sim/field_geometry.hpp"
#include "sim/match_run.hpp"
#include "sim/pregame_actions.hpp"
#include "sim/result.hpp"

namespace vantoro::testing {
namespace {

// A settled team meeting team 1, everyone out of play unless placed.
std::unique_ptr<GameState> Field(int clock = 16) {
  auto state = SettledTeam();
  RuntimeState& r = state->Runtime;
  r.MatchOpponent = 1;
  r.Weather = 1;
  r.MatchClock = clock;
  r.FlagCell = 32;
  for (Int& cell : r.PlayerCell) cell = 0;
  for (Role role : {Role::Flank, Role::Support, Role::Forward, Role::Leader}) {
    OwnTactic(r, role) = 3;
    OppTactic(r, role) = 3;
  }
  for (int n = 1; n <= kSquadSize; ++n) {
    state->League[1].PlayerName[n] = kNames[n];
    state->League[1].PlayerSpeed[n] = 0;  // never fires unless a case says so
  }
  return state;
}

bool LogHas(const GameState& state, const std::string& line) {
  for (int i = 1; i <= state.Runtime.MatchLogCount.v && i <= 600; ++i) {
    if (state.Runtime.MatchLog[i] == line) return true;
  }
  return false;
}

TEST(ShotTest, AnAttackAboveTheDefenceTagsAndATieNeverDoes) {
  struct Case {
    int attackRoll, defenceRoll, clock;
    bool tagged;
    const char* fireLine;
  };
  const Case cases[] = {
      {3, 2, 10, true,
       "Your Player Ann Avon fires at opposition team member #1 with an Attack score of 13 (0)"},
      {2, 2, 10, false,
       "Your Player Ann Avon fires at opposition team member #1 with an Attack score of 12 (0)"},
      // While the clock shows 11 or more a short drop adds 4 to both players.
      {2, 2, 11, false,
       "Your Player Ann Avon fires at opposition team member #1 with an Attack score of 16 (4)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fireLine);
    auto state = Field(c.clock);
    RuntimeState& r = state->Runtime;
    for (Role role : {Role::Flank, Role::Support, Role::Forward, Role::Leader}) {
      OwnTactic(r, role) = 1;
      OppTactic(r, role) = 1;
    }
    TeamRecord& team = state->Team;
    OppositionTeam& other = state->League[1];
    r.PlayerCell[1] = 32;
    r.PlayerCell[8] = 32;
    team.PlayerMarkerType[1] = 1;
    team.PlayerMarkerCustom[1] = 0;
    team.PlayerAccuracy[1] = 10;
    team.PlayerSpeed[1] = 400;
    other.PlayerMarkerType[1] = 1;
    other.PlayerAgility[1] = 10;
    state->Rng.Seed =
        SeedFor({Any(400), Any(350), Is(5, c.attackRoll), Any(1), Any(1), Is(5, c.defenceRoll)});
    const ShotResult shots = ShotStep(*state);
    EXPECT_EQ(shots.TagCount, c.tagged ? 1 : 0);
    EXPECT_EQ(r.MatchLog[1], c.fireLine);
    EXPECT_EQ(r.MatchLog[3], c.tagged ? "Opposition player is tagged and leaves the field."
                                      : "Opposition Team Member is not tagged.");
    EXPECT_EQ(r.PlayerCell[8], Int(c.tagged ? 0 : 32));
    EXPECT_EQ(team.PlayerTagsFor[1], Int(c.tagged ? 1 : 0));
    EXPECT_EQ(other.PlayerTagsAgainst[1], Int(c.tagged ? 1 : 0));
  }
}

TEST(ShotTest, RainCutsEveryRangeToEightyPixelsAMarker) {
  // Cells 35 and 42 are 93 pixels apart with a clear line between them.
  for (const int weather : {1, 2, 3}) {
    auto state = Field(10);
    state->Runtime.Weather = weather;
    state->Runtime.PlayerCell[5] = 35;
    state->Runtime.PlayerCell[8 + 1] = 42;
    state->Team.PlayerMarkerType[5] = 1;
    state->Team.PlayerSpeed[5] = 400;
    ShotStep(*state);
    EXPECT_EQ(state->Runtime.MatchLogCount > 0, weather != 3) << weather;
  }
}

TEST(ShotTest, TheOwnSideNeedsPaintAndAMarker) {
  // The opposition's player has no marker either, so nobody may shoot at all.
  for (const char* setup : {"Paintballs=0 PlayerMarkerType[1]=5 League[1].PlayerMarkerType[1]=0",
                            "Paintballs=100 PlayerMarkerType[1]=0 League[1].PlayerMarkerType[1]=0"}) {
    auto state = Field(10);
    Assign(*state, setup);
    state->Team.PlayerSpeed[1] = 400;
    state->Runtime.PlayerCell[1] = 32;
    state->Runtime.PlayerCell[8] = 33;
    const std::uint32_t seed = state->Rng.Seed;
    ShotStep(*state);
    EXPECT_EQ(state->Runtime.MatchLogCount, Int(0)) << setup;
    EXPECT_EQ(state->Rng.Seed, seed) << setup;
  }
}

TEST(ShotTest, ATaggedCarrierDropsTheFlagOnHisCell) {
  auto state = Field(10);
  RuntimeState& r = state->Runtime;
  r.PlayerCell[1] = 32;
  r.PlayerCell[8] = 32;
  r.FlagCarrier = 1;
  r.FlagCell = -100;
  state->League[1].PlayerSpeed[1] = 400;
  state->League[1].PlayerMarkerType[1] = 3;
  state->League[1].PlayerAccuracy[1] = 40;
  state->Team.PlayerAgility[1] = 0;
  ShotStep(*state);
  EXPECT_EQ(r.PlayerCell[1], Int(0));
  EXPECT_EQ(r.FlagCell, Int(32));
  EXPECT_EQ(r.FlagCarrier, Int(0));
  EXPECT_TRUE(LogHas(*state, "Ann Avon was carrying the flag, and drops it."));
}

// The column of each player after the kickoff and the three deployment steps.
TEST(EventStepTest, TacticsDeployPlayersByTheirRoles) {
  struct Case {
    int tactic;
    std::array<int, 7> columns;  // own players 1..7
  };
  const Case cases[] = {
      {1, {1, 1, 1, 1, 1, 1, 1}},
      {2, {2, 2, 2, 2, 2, 2, 2}},
      {3, {4, 3, 3, 4, 3, 3, 4}},
  };
  for (const Case& c : cases) {
    for (std::uint32_t seed = 1;; ++seed) {
      auto state = Field();
      state->Runtime.Weather = 1;
      state->Rng.Seed = seed;
      Kickoff(*state);
      for (Role role : {Role::Flank, Role::Support, Role::Forward, Role::Leader}) {
        OwnTactic(state->Runtime, role) = c.tactic;
        OppTactic(state->Runtime, role) = 1;
      }
      for (int step = 0; step < 4; ++step) EventStep(*state);
      bool allInPlay = true;
      for (int k = 1; k <= kMatchPlayers; ++k) allInPlay = allInPlay && state->Runtime.PlayerCell[k] != 0;
      if (!allInPlay) continue;  // someone was tagged off the break: try another game
      for (int p = 1; p <= kSquadSize; ++p) {
        EXPECT_EQ(CellColumn(state->Runtime.PlayerCell[p].v), c.columns[static_cast<std::size_t>(p - 1)])
            << "tactic " << c.tactic << " player " << p;
        EXPECT_EQ(CellColumn(state->Runtime.PlayerCell[p + 7].v), 7) << "opposition " << p;
      }
      EXPECT_EQ(state->Runtime.MatchClock, Int(16));
      break;
    }
  }
}

TEST(EventStepTest, OpposingPlayersOnOneCellAreBothEliminated) {
  auto state = Field(16);
  RuntimeState& r = state->Runtime;
  r.PlayerCell[1] = 20;
  r.PlayerCell[8] = 20;
  r.PlayerCell[9] = 20 + 7;  // a team mate of the opposition elsewhere keeps the game on
  r.FlagCarrier = 1;
  r.FlagCell = -100;
  EventStep(*state);
  EXPECT_EQ(r.PlayerCell[1], Int(0));
  EXPECT_EQ(r.PlayerCell[8], Int(0));
  EXPECT_EQ(Mismatches(*state,
                       "PlayerTagsFor[1]=1 PlayerTagsAgainst[1]=1 League[1].PlayerTagsFor[1]=1 "
                       "League[1].PlayerTagsAgainst[1]=1"),
            "");
  EXPECT_TRUE(LogHas(
      *state, "Flank Player Ann Avon runs into opposition player #1 and both players are eliminated."));
  // The eliminated carrier's flag goes back to the centre.
  EXPECT_EQ(r.FlagCarrier, Int(0));
  EXPECT_EQ(r.FlagCell, Int(32));
}

TEST(EventStepTest, TheFirstPullIsRewardedOnce) {
  auto state = Field(16);
  RuntimeState& r = state->Runtime;
  r.PlayerCell[3] = 32;
  state->Team.PlayerPopularity[3] = 95;
  EventStep(*state);
  EXPECT_EQ(r.FlagCarrier, Int(3));
  EXPECT_EQ(r.FirstFlagGrabber, Int(3));
  EXPECT_EQ(r.FlagCell, Int(-100));
  EXPECT_EQ(state->Team.PlayerPopularity[3], Int(100));
  EXPECT_EQ(state->Team.PlayerFlagsPulled[3], Int(1));
  EXPECT_TRUE(LogHas(*state, "Cat Clay makes the first flag grab of the game!"));
  EXPECT_TRUE(LogHas(*state, "The flag is in possession of Cat Clay"));
}

TEST(EventStepTest, AHangEndsTheGameAtTheEndOfItsStep) {
  auto state = Field(10);
  RuntimeState& r = state->Runtime;
  r.PlayerCell[2] = 60;
  r.PlayerCell[12] = 30;
  r.FlagCarrier = 2;
  r.FlagCell = -100;
  EXPECT_TRUE(EventStep(*state));
  EXPECT_EQ(r.FlagHungBy, Int(1));
  EXPECT_EQ(r.MatchClock, Int(1));
  EXPECT_TRUE(LogHas(*state, "Your Player Bob Blake hangs the flag!"));
  EXPECT_EQ(r.MatchLog[r.MatchLogCount], "The final whistle is blown, and the game ends.");
}

TEST(EventStepTest, AMoveThatWouldLeaveTheFieldIsNotMade) {
  // An own carrier on the far corner moves towards the flag station; an
  // own player in front of a carrier on the last column has no lane to step into.
  auto state = Field(10);
  RuntimeState& r = state->Runtime;
  r.PlayerCell[1] = 56;
  r.PlayerCell[2] = 63;
  r.FlagCarrier = 1;
  r.FlagCell = -100;
  EventStep(*state);
  EXPECT_EQ(r.PlayerCell[2], Int(63));
  EXPECT_FALSE(LogHas(*state, "Bob Blake moves aside for the flag-holder to pass."));
}

TEST(EventStepTest, AMalfunctionTakesTheMarkerAndItsCustomisation) {
  auto state = Field(16);
  RuntimeState& r = state->Runtime;
  r.PlayerCell[4] = 18;
  state->Team.PlayerMarkerCondition[4] = 0;
  state->Team.PlayerMarkerCustom[4] = 2;
  // Action picture, the wear roll (player 1, out of play), then the first
  // malfunction roll strikes player 4.
  state->Rng.Seed = SeedFor({Any(9), Is(7, 0), Is(7, 3), Is(85, 40)});
  EventStep(*state);
  EXPECT_EQ(state->Team.PlayerMarkerType[4], Int(0));
  EXPECT_EQ(state->Team.PlayerMarkerCustom[4], Int(0));
  EXPECT_EQ(r.MalfunctionShown, Int(1));
  EXPECT_TRUE(LogHas(*state, "Dan Drej has a major marker malfunction."));
}

TEST(ResultTest, TheScoreSheetCountsTagsPullsHangsAndPenalties) {
  struct Case {
    const char* name;
    std::array<int, 14> out;  // 1: out of play
    int firstGrabber, hungBy;
    int ownPenaltyRoll, oppPenaltyRoll;  // Random(100)
    int own, opp, outcome;
  };
  const Case cases[] = {
      {"everyone out", {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 0, 0, 50, 50, 45, 45, 3},
      {"two tags to one wins", {1, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0}, 0, 0, 50, 50, 10, 5, 1},
      {"a penalty turns the win into a draw",
       {1, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0},
       0,
       0,
       0,
       50,
       5,
       5,
       3},
      {"a bigger one into a loss", {1, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0}, 0, 0, 3, 50, -10, 5, 2},
      {"a hang of a flag the opposition pulled",
       {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
       9,
       1,
       50,
       50,
       35,
       20,
       1},
      {"the opposition pulls and hangs", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 9, 2, 50, 1, 0, 45, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto state = Field();
    RuntimeState& r = state->Runtime;
    for (int k = 1; k <= kMatchPlayers; ++k)
      r.PlayerCell[k] = c.out[static_cast<std::size_t>(k - 1)] ? 0 : 30;
    r.FirstFlagGrabber = c.firstGrabber;
    r.FlagHungBy = c.hungBy;
    r.TrophyKind = 3;  // left from an earlier game: scoring clears it
    state->Rng.Seed = SeedFor({Is(100, c.ownPenaltyRoll), Is(100, c.oppPenaltyRoll), Is(4, 1)});
    ScoreGame(*state);
    EXPECT_EQ(r.OwnFinalScore, Int(c.own));
    EXPECT_EQ(r.OppositionFinalScore, Int(c.opp));
    EXPECT_EQ(DecideOutcome(*state), Int(c.outcome));
    EXPECT_EQ(r.TrophyKind, Int(2));
    // Scored once: a later tick changes nothing.
    const Int count = r.MatchLogCount;
    ScoreGame(*state);
    EXPECT_EQ(r.MatchLogCount, count);
    EXPECT_EQ(r.OwnFinalScore, Int(c.own));
  }
}

TEST(ResultTest, OkShowsTheVerdictThenOpensTheMonthsEnd) {
  auto state = Field();
  state->Runtime.ResultStage = 0;
  EXPECT_FALSE(ConfirmResult(*state));
  EXPECT_EQ(state->Runtime.ResultStage, Int(1));
  state->Runtime.HubSection = 6;
  EXPECT_TRUE(ConfirmResult(*state));
  EXPECT_EQ(Mismatches(*state, "Runtime.HubSection=1 Runtime.MonthScroll=1 Runtime.MonthProcessed=0"), "");
}

TEST(MatchLogTest, AFullLogReplacesItsLastLine) {
  struct Case {
    int count;
    int expectCount;
  };
  for (const Case c : {Case{0, 1}, Case{599, 600}, Case{600, 600}, Case{100000, 600}, Case{-5, 1}}) {
    GameState state;
    state.Runtime.MatchLogCount = c.count;
    AppendLog(state, "x");
    EXPECT_EQ(state.Runtime.MatchLogCount, Int(c.expectCount)) << c.count;
    EXPECT_EQ(state.Runtime.MatchLog[c.expectCount], "x") << c.count;
  }
}

TEST(PregameTest, SwapsUndoThemselvesAndRainLeavesTwoTactics) {
  auto state = SettledTeam();
  const TeamRecord before = state->Team;
  Assign(*state, "PlayerMarkerAge[3]=2 PlayerMarkerAge[4]=1");
  SwapPlayers(*state, 3);
  EXPECT_EQ(state->Team.PlayerName[3].Str(), "Dan Drej");
  EXPECT_EQ(state->Team.PlayerMarkerAge[3], Int(2));  // the marker's age stays with the slot
  SwapPlayers(*state, 3);
  Assign(*state, "PlayerMarkerAge[3]=0 PlayerMarkerAge[4]=0");
  EXPECT_EQ(Differences(before, state->Team), "");
  SwapPlayers(*state, 7);  // no eighth player to swap with
  EXPECT_EQ(Differences(before, state->Team), "");

  struct Case {
    int weather;
    std::array<int, 4> cycle;
  };
  for (const Case c : {Case{1, {2, 3, 1, 2}}, Case{2, {2, 3, 1, 2}}, Case{3, {2, 1, 2, 1}}}) {
    state->Runtime.Weather = c.weather;
    state->Runtime.LeaderTactic = 1;
    for (int expected : c.cycle) {
      NextTactic(*state, Role::Leader);
      EXPECT_EQ(state->Runtime.LeaderTactic, Int(expected)) << c.weather;
    }
  }
}

// A whole game from PLAY as PlayOut plays it, without the program around
// it: how it ended, and its commentary, a line each.
struct WholeMatch {
  std::string Summary;
  std::string Log;
};

WholeMatch PlayWholeMatch(GameState& state, SightTest sight = TableSight) {
  Kickoff(state);
  const int events = PlayOut(state, {.Sight = sight});
  WholeMatch match;
  for (int i = 1; i <= state.Runtime.MatchLogCount.v && i <= 600; ++i)
    match.Log += state.Runtime.MatchLog[i] + "\n";
  std::ostringstream out;
  const RuntimeState& r = state.Runtime;
  out << "events " << events << " lines " << r.MatchLogCount.v << " cells";
  for (const Int cell : r.PlayerCell) out << ' ' << cell.v;
  out << " grab " << r.FirstFlagGrabber.v << " hung " << r.FlagHungBy.v << " score " << r.OwnFinalScore.v
      << "-" << r.OppositionFinalScore.v << " paint " << state.Team.Paintballs.v;
  match.Summary = out.str();
  return match;
}

// The first line at which two texts differ, with both versions of it;
// empty when they are alike.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  std::istringstream a(expected), b(actual);
  std::string lineA, lineB;
  for (int number = 1;; ++number) {
    const bool moreA = static_cast<bool>(std::getline(a, lineA));
    const bool moreB = static_cast<bool>(std::getline(b, lineB));
    if (!moreA && !moreB) return "";
    if (moreA != moreB || lineA != lineB) {
      return "line " + std::to_string(number) + ": expected " + (moreA ? '"' + lineA + '"' : "the end") +
             ", got " + (moreB ? '"' + lineB + '"' : "the end");
    }
  }
}

// The commentary of three seeded games is kept in tests/sim/golden/. After a
// deliberate change to the game's rules, VANTORO_WRITE_GOLDEN=1 writes the
// new commentary over it, to be read through before it is committed.
TEST(WholeMatchTest, ThreeSeededGamesPlayAsBefore) {
  struct Case {
    std::uint32_t seed;
    int weather;
    const char* summary;
  };
  const Case cases[] = {
      {11, 1,
       "events 14 lines 105 cells 0 0 0 0 0 0 35 22 0 31 4 0 0 0 grab 11 hung 2 score 20-85 paint 239"},
      {22, 3, "events 19 lines 175 cells 0 0 0 0 0 0 56 15 9 11 0 18 0 0 grab 12 hung 0 score 15-50 paint 0"},
      {33, 2,
       "events 16 lines 136 cells 0 0 0 0 0 48 0 36 0 0 0 4 14 0 grab 12 hung 2 score 20-85 paint 118"},
  };
  const bool write = std::getenv("VANTORO_WRITE_GOLDEN") != nullptr;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.seed);
    auto state = SettledTeam();
    state->Runtime.MatchOpponent = 2;
    state->Runtime.Weather = c.weather;
    for (int p = 1; p <= kSquadSize; ++p) {
      state->Team.PlayerMarkerType[p] = p + 2;
      state->League[2].PlayerMarkerType[p] = 10 - p;
      state->League[2].PlayerSpeed[p] = 10 + 2 * p;
    }
    state->Rng.Seed = c.seed;
    const WholeMatch match = PlayWholeMatch(*state);
    EXPECT_EQ(match.Summary, c.summary);
    const std::filesystem::path golden = std::filesystem::path(VANTORO_TESTS_DIR) / "sim" / "golden" /
                                         ("match_seed_" + std::to_string(c.seed) + ".txt");
    if (write) std::ofstream(golden) << match.Log;
    std::ifstream in(golden);
    ASSERT_TRUE(in) << golden;
    const std::string expected((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(FirstDifference(expected, match.Log), "") << "the commentary differs from " << golden;
  }
}

TEST(WholeMatchTest, TheSightTableAndTheWalkPlayTheSameGame) {
  auto a = SettledTeam();
  auto b = SettledTeam();
  for (GameState* s : {a.get(), b.get()}) {
    s->Runtime.MatchOpponent = 4;
    s->Runtime.Weather = 1;
    for (int p = 1; p <= kSquadSize; ++p) s->Team.PlayerMarkerType[p] = 10;
    s->Rng.Seed = 77;
  }
  const WholeMatch table = PlayWholeMatch(*a, TableSight);
  const WholeMatch walked = PlayWholeMatch(*b, WalkedSight);
  EXPECT_EQ(table.Summary, walked.Summary);
  EXPECT_EQ(FirstDifference(table.Log, walked.Log), "");
}

TEST(WholeMatchTest, HostileValuesPlayToTheEnd) {
  const std::string big = std::to_string(std::numeric_limits<std::int32_t>::max());
  const std::string small = std::to_string(std::numeric_limits<std::int32_t>::min());
  const char* const setups[] = {
      "Runtime.MatchOpponent=42",
      "Runtime.MatchOpponent=-1",
      "PlayerStamina[1]=0 PlayerStamina[2]=-5 PlayerSpeed[3]=-5 League[1].PlayerStamina[2]=0",
      "Runtime.MatchLogCount=100000",
      "Runtime.FlankTactic=9 Runtime.LeaderTactic=-3 Runtime.Weather=77",
      "Paintballs=-20 PlayerMarkerCondition[2]=-7",
  };
  std::vector<std::string> all(std::begin(setups), std::end(setups));
  all.push_back("PlayerMarkerType[1]=" + big + " League[1].PlayerMarkerType[3]=" + big);
  all.push_back("PlayerSpeed[4]=" + big + " PlayerAccuracy[4]=" + big +
                " League[1].PlayerAgility[1]=" + small);
  all.push_back("PlayerMarkerType[5]=" + small + " League[1].PlayerSpeed[5]=" + big);
  for (const std::string& setup : all) {
    auto state = SettledTeam();
    state->Runtime.MatchOpponent = 1;
    state->Runtime.Weather = 3;
    Assign(*state, setup);
    const std::string summary = PlayWholeMatch(*state).Summary;
    EXPECT_NE(summary.find("events "), std::string::npos) << setup;
    EXPECT_LE(state->Runtime.MatchLogCount, Int(600)) << setup;
    EXPECT_TRUE(InRange(DecideOutcome(*state), 1, 3)) << setup;
  }
}

}  // namespace
}  // namespace vantoro::testing
