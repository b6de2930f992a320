#include "text/generators.hpp"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vantoro {
namespace {

struct Draw {
  int n, value;  // Random(n) yields value
};

// A state whose generator yields exactly these draws next, so that cases read
// as "which entry was drawn".
std::unique_ptr<GameState> StateDrawing(const std::vector<Draw>& draws) {
  auto state = std::make_unique<GameState>();
  for (std::uint32_t seed = 0; seed < UINT32_MAX; ++seed) {
    RandomGenerator gen{seed};
    bool match = true;
    for (const Draw& d : draws) match = match && gen.Random(d.n) == d.value;
    if (match) {
      state->Rng.Seed = seed;
      return state;
    }
  }
  ADD_FAILURE() << "no seed yields these draws";
  return state;
}

std::uint32_t SeedAfter(std::uint32_t seed, std::size_t draws) {
  RandomGenerator gen{seed};
  for (std::size_t i = 0; i < draws; ++i) gen.Random(1);
  return gen.Seed;
}

TEST(GeneratorTest, NamesAndOccupationsFollowTheirDraws) {
  struct Case {
    std::string (*make)(GameState&);
    std::vector<Draw> draws;
    const char* expected;
    int gender;  // NameGender afterwards; 9 = left alone
  };
  const Case cases[] = {
      {MakeTeamName, {{30, 2}, {30, 4}}, "Flaming Bears", 9},
      {MakeTeamName, {{30, 3}, {30, 4}}, "The Bears", 9},
      {MakeTeamName, {{30, 0}, {30, 29}}, "Flying Starship", 9},
      {MakeTeamName, {{30, 29}, {30, 0}}, "Blade Tigers", 9},
      {MakePersonName, {{60, 0}, {50, 0}}, "John Smith", 1},
      {MakePersonName, {{60, 59}, {50, 49}}, "Ulric Gale", 1},
      {MakePersonName, {{60, 54}, {50, 49}}, "Merry Gale", 1},
      {MakePersonName, {{60, 24}, {50, 24}}, "Rene Cooper", 1},
      {MakePersonName, {{60, 15}, {50, 0}}, "Jan Smith", 2},
      {MakePersonName, {{60, 14}, {50, 1}}, "Tegwyn Jackson", 2},
      {MakePersonName, {{60, 51}, {50, 47}}, "Val Lee", 2},
      {MakePersonName, {{60, 58}, {50, 24}}, "Tara Cooper", 2},
      {MakeOccupation, {{50, 0}}, "Doctor", 9},
      {MakeOccupation, {{50, 49}}, "Coal Miner", 9},
  };
  for (const Case& c : cases) {
    auto state = StateDrawing(c.draws);
    const std::uint32_t seed = state->Rng.Seed;
    state->Runtime.NameGender = 9;
    EXPECT_EQ(c.make(*state), c.expected);
    EXPECT_EQ(state->Runtime.NameGender, c.gender) << c.expected;
    EXPECT_EQ(state->Rng.Seed, SeedAfter(seed, c.draws.size())) << c.expected;
  }
}

TEST(GeneratorTest, MarkerModelNamesAndOutOfRangeNumbers) {
  const std::pair<Int, const char*> cases[] = {
      {0, "None"}, {3, "T-68sc"}, {4, "Stocker"}, {10, "FireStorm"},
      {-1, ""},    {11, ""},      {INT_MIN, ""},  {INT_MAX, ""},
  };
  for (const auto& [model, name] : cases) EXPECT_EQ(MarkerModelName(model), name) << model.v;
}

std::vector<Draw> Remark(int q, int r) { return {{40, q - 1}, {20, r - 1}}; }
std::vector<Draw> AskAbout(int p, int t, int r) { return {{40, 11}, {6, p - 1}, {8, t - 1}, {20, r - 1}}; }

using Adjust = std::function<void(TeamRecord&)>;
Adjust InYear(int year) {
  return [year](TeamRecord& team) { team.Year = year; };
}
// All seven at the first value, or the last player at the second.
Adjust Morale(int morale, int last = -1) {
  return [=](TeamRecord& team) {
    for (int p = 1; p <= 7; ++p) team.PlayerMorale[p] = morale;
    if (last >= 0) team.PlayerMorale[7] = last;
  };
}
const Adjust kContent = [](TeamRecord&) {};
const Adjust kTroubled = [](TeamRecord& team) {
  team.Cash = team.Paintballs = team.PlayerMarkerType[3] = 0;
  Morale(0)(team);
};

TEST(GeneratorTest, TeamQuotes) {
  const char* squeegee = "Does anyone have a squeegee?";
  const struct {
    const char* name;
    std::vector<Draw> draws;
    Adjust adjust;
    const char* expected;
  } cases[] = {
      {"fixed remark", Remark(40, 5), kContent, "I think our dishwasher might need fixing."},
      {"quiet roll", Remark(2, 5), kTroubled, squeegee},
      {"next marker 2000", Remark(1, 5), InYear(2000), "Has the Stocker come out yet?"},
      {"next marker 2006", Remark(1, 5), InYear(2006), "Has the FireStorm come out yet?"},
      {"none left 2007", Remark(1, 5), InYear(2007), "Has the  come out yet?"},
      {"year INT_MIN", Remark(1, 5), InYear(INT_MIN), "Has the  come out yet?"},
      {"player then team", AskAbout(5, 3, 5), kContent, "Is T3P5 playing this year?"},
      {"highest asked", AskAbout(6, 8, 20), kContent, "Is T8P6 playing this year?"},
      {"asked, then replaced", AskAbout(1, 1, 1), kTroubled, "The team bank balance doesnt look good."},
      {"cash 499", Remark(2, 1), [](TeamRecord& t) { t.Cash = 499; },
       "The team bank balance doesnt look good."},
      {"cash 500", Remark(2, 1), [](TeamRecord& t) { t.Cash = 500; }, squeegee},
      {"squad player unarmed", Remark(2, 2), [](TeamRecord& t) { t.PlayerMarkerType[7] = 0; },
       "Some of us need gear urgently!"},
      {"only slot 8 unarmed", Remark(2, 2), [](TeamRecord& t) { t.PlayerMarkerType[8] = 0; }, squeegee},
      {"paint 499", Remark(2, 4), [](TeamRecord& t) { t.Paintballs = 499; }, "We need paint pretty soon."},
      {"paint 500", Remark(2, 4), [](TeamRecord& t) { t.Paintballs = 500; }, squeegee},
      {"morale 80", Remark(2, 3), Morale(80), "I cant wait for the next tourney!"},
      {"morale 79.86", Remark(2, 3), Morale(80, 79), "(Sigh) Im feeling a bit fed up."},
      {"morale 60", Remark(2, 3), Morale(60), "(Sigh) Im feeling a bit fed up."},
      {"morale 55", Remark(2, 3), Morale(55), "I hate this sport sometimes."},
      {"morale 50", Remark(2, 3), Morale(50), "I hate this sport sometimes."},
      {"morale 49", Remark(2, 3), Morale(49), "(Sigh) I dont want to play anymore."},
      // Seven times 2^30 wraps to a negative sum.
      {"morale sum wraps", Remark(2, 3), Morale(1 << 30), "(Sigh) I dont want to play anymore."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    auto state = StateDrawing(c.draws);
    const std::uint32_t seed = state->Rng.Seed;
    TeamRecord& team = state->Team;
    team.Cash = team.Paintballs = 1000;
    team.Year = 2000;
    for (Int& marker : team.PlayerMarkerType) marker = 1;
    Morale(85)(team);
    for (int t = 1; t <= 9; ++t) {
      for (int p = 1; p <= 7; ++p)
        state->League[t].PlayerName[p] = "T" + std::to_string(t) + "P" + std::to_string(p);
    }
    c.adjust(team);
    EXPECT_EQ(MakeTeamQuote(*state), std::string("\"") + c.expected + "\"");
    EXPECT_EQ(state->Rng.Seed, SeedAfter(seed, c.draws.size()));
  }
}

}  // namespace
}  // namespace vantoro
