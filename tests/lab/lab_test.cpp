// The lab plays the game's own games: the same as the real program for the
// same start and draws, the same for the same seed whatever the threads,
// and its options read as documented.

#include "app/lab/lab.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "screens/screen_fixture.hpp"
#include "sim/field_geometry.hpp"

namespace vantoro::testing {
namespace {

using namespace vantoro::lab;

std::vector<std::string> Log(const GameState& state) {
  std::vector<std::string> lines;
  for (int i = 1; i <= state.Runtime.MatchLogCount.v && i <= 600; ++i)
    lines.push_back(state.Runtime.MatchLog[i]);
  return lines;
}

template <class A>
std::vector<int> Values(const A& array) {
  std::vector<int> values;
  for (const Int v : array) values.push_back(v.v);
  return values;
}

// The real game, driven through its screens from PLAY to the score sheet,
// against the lab's run of the same kickoff. The title screen's tick goes on
// drawing while the game runs: twice between frames.
class LabAgainstTheGame : public ScreenTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(LabAgainstTheGame, PlaysTheSameGame) {
  EnterHub();
  Script({"set Team.Month 2", "press 50 465", "press 400 115", "wait 50", "press 185 460",
          "expect-screen tournament", "wait 50"});
  Script({std::string_view(GetParam())});
  Script({"wait 50", "press 700 105", "expect-screen match"});
  const GameState kickoff = State();
  Script({"wait 29050", "expect-screen result", "expect Runtime.ResultComputed 1"});

  GameState lab = kickoff;
  PlayOut(lab, MatchPace{2});
  EXPECT_EQ(Log(lab), Log(State()));
  EXPECT_EQ(lab.Runtime.OwnFinalScore, State().Runtime.OwnFinalScore);
  EXPECT_EQ(lab.Runtime.OppositionFinalScore, State().Runtime.OppositionFinalScore);
  EXPECT_EQ(Values(lab.Runtime.PlayerCell), Values(State().Runtime.PlayerCell));
  EXPECT_EQ(lab.Team.Paintballs, State().Team.Paintballs);
  EXPECT_EQ(Values(lab.Team.PlayerMarkerCondition), Values(State().Team.PlayerMarkerCondition));
  EXPECT_EQ(Values(lab.Team.PlayerMarkerType), Values(State().Team.PlayerMarkerType));
}

INSTANTIATE_TEST_SUITE_P(Weather, LabAgainstTheGame,
                         ::testing::Values("set Runtime.Weather 1", "set Runtime.Weather 3",
                                           "set Runtime.FlankTactic 3", "set Runtime.LeaderTactic 2",
                                           "set Team.PlayerMarkerType[2] 0"));

TEST(Lab, AGameIsItsSeed) {
  const GameState start = NewGame(0);
  MatchSetup setup;
  setup.Seed = 77;
  setup.Own = {2, 3, 1, 2};
  GameState a = start, b = start, c = start;
  PlayOne(a, setup);
  PlayOne(b, setup);
  setup.Seed = 78;
  PlayOne(c, setup);
  EXPECT_EQ(MatchJson(a), MatchJson(b));
  EXPECT_NE(Log(a), Log(c));
  EXPECT_EQ(MatchJson(a).find("\"log\""), 4u);  // the log comes first
  EXPECT_NE(MatchReport(a).find("Vantoro Team"), std::string::npos);
}

// The walk and the table of sight play the same games; the shot step plans
// its pairs once per stand-still, which must not change a single draw.
TEST(Lab, SightTableAndWalkPlayAlike) {
  const GameState start = NewGame(3);
  for (std::uint32_t seed : {1u, 2u, 99u}) {
    for (int weather : {1, 3}) {
      MatchSetup setup;
      setup.Seed = seed;
      setup.Weather = weather;
      GameState table = start, walked = start;
      PlayOne(table, setup);
      setup.Pace.Sight = WalkedSight;
      PlayOne(walked, setup);
      EXPECT_EQ(Log(table), Log(walked)) << seed << " " << weather;
    }
  }
}

TEST(Lab, RangeIsTheDistanceBetweenCellPoints) {
  for (int a = -1; a <= kFieldCells + 1; ++a) {
    for (int b = -1; b <= kFieldCells + 1; ++b) {
      const double d = VecDistance(CellPoint(a), CellPoint(b));
      for (int range : {-100, 0, 1, 80, 100, 160, 200, 240, 300, 800, 1000, 2147483647}) {
        ASSERT_EQ(WithinRange(range, a, b), static_cast<double>(range) > d) << a << " " << b << " " << range;
      }
      // Ranges right at the distance, where rounding would show.
      const int at = static_cast<int>(std::floor(d));
      for (int range = at - 1; range <= at + 1; ++range)
        ASSERT_EQ(WithinRange(range, a, b), static_cast<double>(range) > d) << a << " " << b << " " << range;
    }
  }
}

TEST(Lab, TheTableDoesNotDependOnThreads) {
  const GameState start = NewGame(0);
  TacticsRun run;
  run.Matches = 6;
  run.Seed = 5;
  run.Threads = 1;
  const std::vector<TacticsRow> one = PlayTactics(start, run);
  run.Threads = 3;
  const std::vector<TacticsRow> three = PlayTactics(start, run);
  ASSERT_EQ(one.size(), 97u);
  EXPECT_EQ(TacticsTable(start, run, one), TacticsTable(start, run, three));
  int dry = 0;
  for (std::size_t i = 0; i < one.size(); ++i) {
    EXPECT_EQ(one[i].Result.Games(), 6);
    if (one[i].Weather == 1) ++dry;
    if (i > 0 && one[i].Weather == one[i - 1].Weather) {
      EXPECT_LE(one[i].Result.Won, one[i - 1].Result.Won);
    }
    if (one[i].Weather == 3) {
      for (int t : one[i].Own) EXPECT_LE(t, 2);
    }
  }
  EXPECT_EQ(dry, 81);
}

TEST(Lab, LeaguesDoNotDependOnThreads) {
  SeasonRun run;
  run.Leagues = 12;
  run.Years = 1;
  run.Threads = 1;
  const std::vector<LeagueOutcome> one = PlaySeasons(run);
  run.Threads = 4;
  const std::vector<LeagueOutcome> four = PlaySeasons(run);
  EXPECT_EQ(SeasonReport(run, one), SeasonReport(run, four));
  for (const LeagueOutcome& o : one) {
    EXPECT_EQ(o.Cash.size(), static_cast<std::size_t>(o.Months));
    EXPECT_LE(o.Months, 12);
    // A league ends either way, and only a completed one has a rank.
    EXPECT_TRUE(o.BrokeUp ? o.FinalRank == 0 : (o.FinalRank >= 1 && o.FinalRank <= 10 && o.Months == 12));
    EXPECT_LE(o.Won + o.Drawn + o.Lost + o.Missed, 6);
  }
}

// A manager who never pays nor travels loses the team sooner than one who
// does both.
TEST(Lab, TheManagerMatters) {
  Policy idle;
  std::string error;
  ASSERT_TRUE(ParsePolicy("read=100", idle, error));
  double idleMonths = 0, busyMonths = 0;
  for (std::uint32_t i = 0; i < 40; ++i) {
    idleMonths += PlayLeague(GameSeed(9, i), 5, idle).Months;
    busyMonths += PlayLeague(GameSeed(9, i), 5, Policy{}).Months;
  }
  EXPECT_LT(idleMonths, busyMonths);
}

TEST(Lab, OptionsReadAsDocumented) {
  struct TacticsCase {
    const char* Text;
    bool Ok;
    Tactics Want;
  };
  for (const TacticsCase& c : std::initializer_list<TacticsCase>{{"1,2,3,1", true, {1, 2, 3, 1}},
                                                                 {"3,3,3,3", true, {3, 3, 3, 3}},
                                                                 {"1,2,3", false, {}},
                                                                 {"1,2,3,4", false, {}},
                                                                 {"0,1,1,1", false, {}},
                                                                 {"1,1,1,1,", false, {}},
                                                                 {"11,1,1", false, {}},
                                                                 {"", false, {}}}) {
    Tactics t{};
    EXPECT_EQ(ParseTactics(c.Text, t), c.Ok) << c.Text;
    if (c.Ok) {
      EXPECT_EQ(t, c.Want) << c.Text;
    }
  }
  struct PolicyCase {
    const char* Text;
    bool Ok;
    const char* Back;  // as PolicyText writes it back
  };
  for (const PolicyCase& c : std::initializer_list<PolicyCase>{
           {"pay,travel", true, "pay,travel,tactics=1.1.1.1,read=100"},
           {"fundraise,pay,repair,paint=1000,rearm,travel,tactics=2.2.1.3,read=40,keep=250", true,
            "fundraise,pay,repair,paint=1000,rearm,travel,tactics=2.2.1.3,read=40,keep=250"},
           {"hire", true, "hire,tactics=1.1.1.1,read=100"},
           {"", true, "tactics=1.1.1.1,read=100"},
           {"paint=", false, ""},
           {"paint=-5", false, ""},
           {"read=1", false, ""},
           {"tactics=1.2", false, ""},
           {"pay=3", false, ""},
           {"gamble", false, ""}}) {
    Policy p;
    std::string error;
    EXPECT_EQ(ParsePolicy(c.Text, p, error), c.Ok) << c.Text;
    if (c.Ok) {
      EXPECT_EQ(PolicyText(p), c.Back);
    } else {
      EXPECT_FALSE(error.empty()) << c.Text;
    }
  }
}

TEST(Lab, IntervalsHoldTheirShare) {
  struct Case {
    std::int64_t Count, Games;
  };
  for (const Case& c : {Case{0, 10}, Case{10, 10}, Case{5, 10}, Case{600, 1000}, Case{1, 1}, Case{0, 0}}) {
    const Rate r = RateOf(c.Count, c.Games);
    EXPECT_LE(r.Low, r.Share);
    EXPECT_GE(r.High, r.Share);
    EXPECT_GE(r.Low, 0.0);
    EXPECT_LE(r.High, 1.0);
  }
  // 600 of 1000: about 57 % to 63 %.
  const Rate r = RateOf(600, 1000);
  EXPECT_NEAR(r.Low, 0.569, 0.001);
  EXPECT_NEAR(r.High, 0.630, 0.001);
}

}  // namespace
}  // namespace vantoro::testing
