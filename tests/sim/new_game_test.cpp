#include "sim/new_game.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "state/version.hpp"

namespace vantoro {
namespace {

void Spoil(Int& value) { value = -5; }
void Spoil(std::string& text) { text = "stale"; }
template <class T, int N>
void Spoil(Array1<T, N>& items) {
  for (T& item : items) Spoil(item);
}

// A new game over what an earlier game might leave: every record byte set to
// fill, every runtime variable to a value that a new game never writes.
std::unique_ptr<GameState> NewGameOver(std::uint8_t fill, std::uint32_t seed) {
  auto state = std::make_unique<GameState>();
  std::array<std::byte, kTeamRecordSize> team;
  team.fill(std::byte{fill});
  ReadImage(team, state->Team);
  std::array<std::byte, kLeagueRecordSize> league;
  league.fill(std::byte{fill});
  ReadImage(league, state->League);
  ForEachRuntimeVariable(state->Runtime, [](const char*, auto& variable) { Spoil(variable); });
  state->Rng.Seed = seed;
  NewGameSetup(*state);
  return state;
}

struct Span {
  std::size_t offset, count;
};

// Over two different leftovers, exactly the kept bytes (whole fields, and the
// unused tail of each text) differ afterwards, and those still hold 0xAB.
template <std::size_t N>
void ExpectWrittenUnlessKept(const std::array<std::byte, N>& a, const std::array<std::byte, N>& b,
                             std::size_t stride, std::vector<Span> fields, std::vector<Span> texts) {
  std::vector<bool> kept(N);
  for (std::size_t base = 0; base < N; base += stride) {
    for (const Span& f : fields) std::fill_n(kept.begin() + base + f.offset, f.count, true);
    for (const Span& t : texts) {
      for (std::size_t at = base + t.offset; at < base + t.offset + 51 * t.count; at += 51) {
        std::fill(kept.begin() + at + 1 + std::to_integer<std::size_t>(a[at]), kept.begin() + at + 51, true);
      }
    }
  }
  int reported = 0;
  for (std::size_t i = 0; i < N && reported < 10; ++i) {
    if ((a[i] != b[i]) != kept[i] || (kept[i] && a[i] != std::byte{0xAB})) {
      ++reported;
      ADD_FAILURE() << "byte 0x" << std::hex << i << (kept[i] ? " was written" : " was not written");
    }
  }
}

TEST(NewGameTest, WritesEveryByteExceptTheKeptFields) {
  auto a = NewGameOver(0xAB, 42), b = NewGameOver(0xCD, 42);
  std::array<std::byte, kTeamRecordSize> teamA, teamB;
  WriteImage(a->Team, teamA);
  WriteImage(b->Team, teamB);
  using T = TeamRecord;
  ExpectWrittenUnlessKept(teamA, teamB, kTeamRecordSize,
                          {{offsetof(T, Gap066), 2},
                           {offsetof(T, GameType), 4},
                           {offsetof(T, PlayerGender), 32},
                           {offsetof(T, PlayerPortrait), 32},
                           {offsetof(T, PlayerMarkerCustom), 32}},
                          {{offsetof(T, TeamName), 1},
                           {offsetof(T, ManagerName), 1},
                           {offsetof(T, PlayerName), 8},
                           {offsetof(T, PlayerOccupation), 8}});

  std::array<std::byte, kLeagueRecordSize> leagueA, leagueB;
  WriteImage(a->League, leagueA);
  WriteImage(b->League, leagueB);
  using O = OppositionTeam;
  ExpectWrittenUnlessKept(
      leagueA, leagueB, kOppositionTeamSize, {{offsetof(O, Gap066), 2}, {offsetof(O, Gap1D1), 3}},
      {{offsetof(O, Name), 1}, {offsetof(O, ManagerName), 1}, {offsetof(O, PlayerName), 7}});
}

TEST(NewGameTest, OpeningValues) {
  auto state = NewGameOver(0xAB, 7);
  const TeamRecord& team = state->Team;
  const RuntimeState& rt = state->Runtime;
  const std::pair<Int, int> values[] = {
      {team.FieldType, 1},        {team.GameLengthYears, 5}, {team.NextOpponent, 1}, {team.Cash, 700},
      {team.BankBalance, 0},      {team.Year, 2000},         {team.Month, 1},        {team.Vehicle, 1},
      {team.LockStrength, 1},     {team.SecurityLevel, 1},   {team.GarageLevel, 1},  {team.HistoryRow, 1},
      {team.PlayerTrained[8], 0}, {rt.CreationBarA, 50},     {rt.CreationBarB, 75},  {rt.CreationStepA, 1},
      {rt.CreationStepB, 2},      {rt.RecruitGenerated, 0},  {rt.AnimFrame, 1},      {rt.SelectedPlayer, 1},
      {rt.HubSectionGlow[7], 0},  {rt.SplashX[10], 10},      {rt.SplashDY[10], 0},   {rt.HubSection, 1},
  };
  for (std::size_t i = 0; i < std::size(values); ++i)
    EXPECT_EQ(values[i].first, values[i].second) << "item " << i;

  EXPECT_EQ(team.TeamName.Str() + "/" + team.ManagerName.Str(), "The Team/John Smith");
  for (int p = 1; p <= kPlayerSlots; ++p) {
    EXPECT_TRUE(team.PlayerName[p].Empty()) << p;
    EXPECT_EQ(team.PlayerOccupation[p].Str(), "None") << p;
  }
  EXPECT_EQ(rt.CommentaryLines[1] + rt.CommentaryLines[5] + rt.HubMessage1 + rt.HubMessage2, "");
  EXPECT_EQ(rt.CommentaryLines[6], "TEAM COMMENTARY");
  EXPECT_NE(rt.VersionLabel.find(kVersion), std::string::npos) << rt.VersionLabel;
  EXPECT_NE(rt.VersionLabel.find(kBuildDate), std::string::npos) << rt.VersionLabel;
  for (int row = 1; row <= kHistoryRows; ++row) {
    for (int c = 1; c <= kCompanies; ++c) {
      EXPECT_EQ(team.SharePriceHistory[row][c], row == 1 ? team.SharePrice[c] : Int(0)) << row << "," << c;
    }
  }
}

struct Sampled {
  int lo, hi;
  std::vector<int> values;
};

// Adds every drawn value of one new game to the samples of its range.
void Sample(const GameState& s, std::map<std::string, Sampled>& out) {
  const auto add = [&](const std::string& name, int lo, int hi, const auto& values) {
    Sampled& sampled = out[name];
    sampled.lo = lo;
    sampled.hi = hi;
    for (Int v : values) sampled.values.push_back(v.v);
  };
  const TeamRecord& team = s.Team;
  const RuntimeState& rt = s.Runtime;
  add("RainX", 50, 649, rt.RainX);
  add("RainY", 50, 321, rt.RainY);
  for (Int v : rt.RainSpeed) add("RainSpeed / 3", 1, 3, std::array{v % 3 == 0 ? v / 3 : Int(0)});
  add("HubParticleX", 125, 764, rt.HubParticleX);
  add("HubParticleY", 95, 559, rt.HubParticleY);
  add("HubParticleSpeed", 1, 3, rt.HubParticleSpeed);
  add("Rivals", 1, 9, std::array{team.RivalTeamA, team.RivalTeamB, team.RivalTeamC});
  add("Paintballs", 1000, 1499, std::array{team.Paintballs});
  add("PaintPrice", 10, 12, std::array{rt.PaintPrice});
  add("NameGender", 1, 2, std::array{rt.NameGender});
  // Player slots 1..8: the recruit slot gets placeholders too.
  add("MarkerType", 1, 3, team.PlayerMarkerType);
  add("MarkerCondition", 90, 99, team.PlayerMarkerCondition);
  add("MarkerAge", 1, 3, team.PlayerMarkerAge);
  for (const auto& stat : {team.PlayerSpeed, team.PlayerAgility, team.PlayerStamina, team.PlayerAccuracy}) {
    add("Stat", 10, 14, stat);
  }
  add("Morale", 90, 99, team.PlayerMorale);
  add("Popularity", 90, 99, team.PlayerPopularity);
  add("Figure", 1, 4, team.PlayerFigure);
  for (const OppositionTeam& t : s.League) {
    add("League MarkerType", 1, 3, t.PlayerMarkerType);
    for (const auto& stat : {t.PlayerSpeed, t.PlayerAgility, t.PlayerStamina, t.PlayerAccuracy}) {
      add("League Stat", 10, 14, stat);
    }
  }
  for (int c = 1; c <= kCompanies; ++c) {
    add("SharePrice " + std::to_string(c), 5 * c, 5 * c + 49, std::array{team.SharePrice[c]});
  }
}

// Over many seeds every drawn value stays within its range, and where there
// are plenty of samples both ends of the range occur.
TEST(NewGameTest, DrawnValuesStayInRange) {
  std::map<std::string, Sampled> samples;
  for (std::uint32_t seed = 1; seed <= 200; ++seed) Sample(*NewGameOver(0, seed * 7919U), samples);
  for (const auto& [name, s] : samples) {
    const auto [min, max] = std::minmax_element(s.values.begin(), s.values.end());
    EXPECT_GE(*min, s.lo) << name;
    EXPECT_LE(*max, s.hi) << name;
    if (s.values.size() >= 20U * static_cast<std::size_t>(s.hi - s.lo + 1)) {
      EXPECT_EQ(*min, s.lo) << name << " never reaches its lowest value";
      EXPECT_EQ(*max, s.hi) << name << " never reaches its highest value";
    }
  }
}

}  // namespace
}  // namespace vantoro
