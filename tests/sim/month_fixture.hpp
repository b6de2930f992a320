#pragma once
// Shared by the month and chance event tests: a settled mid-season team, a
// seed search that makes the generator yield chosen draws, and fields set and
// checked by name.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "sim/month.hpp"
#include "state/field_access.hpp"

namespace vantoro::testing {

struct Draw {
  int n, lo, hi;  // Random(n) yields a value in lo..hi
};
inline Draw Any(int n) { return {n, 0, n - 1}; }
inline Draw Is(int n, int value) { return {n, value, value}; }
using Draws = std::vector<Draw>;

inline Draws operator+(Draws a, const Draws& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The first seed whose generator yields these draws, in this order.
inline std::uint32_t SeedFor(const Draws& draws) {
  for (std::uint32_t seed = 1; seed != 0; ++seed) {
    RandomGenerator gen{seed};
    std::size_t i = 0;
    while (i < draws.size() && InRange(gen.Random(draws[i].n), draws[i].lo, draws[i].hi)) ++i;
    if (i == draws.size()) return seed;
  }
  ADD_FAILURE() << "no seed yields these draws";
  return 0;
}

inline std::uint32_t SeedAfter(std::uint32_t seed, std::size_t draws) {
  RandomGenerator gen{seed};
  for (std::size_t i = 0; i < draws; ++i) gen.Random(1);
  return gen.Seed;
}

// The four chance event tries of a month in which none happens.
inline Draws Quiet() { return {{30, 19, 29}, {36, 11, 35}, {20, 10, 19}, {40, 11, 39}}; }

// Blank-separated NAME=VALUE pairs, names as the driver writes them.
inline void Assign(GameState& state, const std::string& assignments) {
  std::istringstream in(assignments);
  for (std::string pair; in >> pair;) {
    const std::size_t eq = pair.find('=');
    std::string error;
    if (!SetField(state, pair.substr(0, eq), pair.substr(eq + 1), error)) ADD_FAILURE() << error;
  }
}

// The pairs that do not hold, each with the value found instead.
inline std::string Mismatches(const GameState& state, const std::string& assignments) {
  std::istringstream in(assignments);
  std::string out;
  for (std::string pair; in >> pair;) {
    const std::size_t eq = pair.find('=');
    nlohmann::json value;
    std::string error;
    if (!GetField(state, pair.substr(0, eq), value, error)) return error;
    if (value.dump() != pair.substr(eq + 1)) out += pair.substr(0, eq) + "=" + value.dump() + " ";
  }
  return out;
}

inline const char* const kNames[] = {"",         "Ann Avon",   "Bob Blake", "Cat Clay",
                                     "Dan Drej", "Eve Enders", "Fay Ford",  "Gus Gale"};

// March 2001, nothing owned beyond the basics, every player paid, morale 80,
// no money in the bank, no sponsor and no rivals: a month with little to report.
inline std::unique_ptr<GameState> SettledTeam() {
  auto state = std::make_unique<GameState>();
  Assign(
      *state,
      "GameLengthYears=5 Year=2001 Month=3 Cash=1000 Paintballs=900 Vehicle=1 LockStrength=1 SecurityLevel=1 "
      "GarageLevel=1 HistoryRow=15 NextOpponent=4");
  TeamRecord& team = state->Team;
  for (int p = 1; p <= kSquadSize; ++p) {
    team.PlayerName[p] = kNames[p];
    team.PlayerMarkerType[p] = 2;
    team.PlayerMarkerCondition[p] = 90;
    team.PlayerMarkerCustom[p] = 1;
    team.PlayerSpeed[p] = team.PlayerAgility[p] = team.PlayerStamina[p] = team.PlayerAccuracy[p] = 12;
    team.PlayerMorale[p] = 80;
    team.PlayerPopularity[p] = 50;
    team.PlayerPaid[p] = 1;
  }
  for (int c = 1; c <= kCompanies; ++c) team.SharePrice[c] = 40 + c;
  for (int t = 1; t <= kOppositionTeams; ++t) {
    OppositionTeam& other = state->League[t];
    other.LeagueScore = 100 * t;
    for (int p = 1; p <= kSquadSize; ++p) {
      other.PlayerMarkerType[p] = 2;
      other.PlayerSpeed[p] = other.PlayerAgility[p] = other.PlayerStamina[p] = other.PlayerAccuracy[p] = 12;
    }
  }
  return state;
}

// The team fields (with their element) in which two records differ.
inline std::string Differences(const TeamRecord& expected, const TeamRecord& actual) {
  const auto* a = reinterpret_cast<const unsigned char*>(&expected);
  const auto* b = reinterpret_cast<const unsigned char*>(&actual);
  std::string out;
  for (const FieldInfo& field : TeamFields()) {
    for (int i = 0; i < field.Elements(); ++i) {
      const std::size_t at = field.Offset + static_cast<std::size_t>(i) * field.ElementSize();
      if (std::memcmp(a + at, b + at, field.ElementSize()) == 0) continue;
      out += std::string(field.Name) + (field.Count > 0 ? "[" + std::to_string(i + 1) + "] " : " ");
    }
  }
  return out;
}

// Lines first..last of the month's list.
inline std::vector<std::string> Lines(const GameState& state, int first = 1, int last = 30) {
  std::vector<std::string> out;
  for (int i = first; i <= last; ++i) out.push_back(state.Runtime.MonthLines[i]);
  return out;
}

// A whole list: these lines from line `first` on, blank elsewhere.
inline std::vector<std::string> List(int first, std::vector<std::string> lines) {
  lines.insert(lines.begin(), static_cast<std::size_t>(first - 1), "");
  lines.resize(30);
  return lines;
}

}  // namespace vantoro::testing
