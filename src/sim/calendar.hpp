#pragma once
// The country's tournament calendar and the names of the months: which
// tournament each even month holds, where, and what the journey costs.
// Shared by the hub's SEASON pages and the end of the month; nothing here
// draws.

#include <array>
#include <string_view>

#include "state/int.hpp"

namespace vantoro {

struct Tournament {
  int Month;
  std::string_view Name;  // without the blank the TURN END page adds
  int CarCost;            // travel in the team's own vehicle, in dollars
  std::string_view EvenYearVenue;
  std::string_view OddYearVenue;
};

// Hired transport always costs three times the drive.
inline constexpr int kHireFactor = 3;

inline constexpr std::array<Tournament, 6> kTournaments = {{
    {2, "Northland Open", 35, "Whangarei", "Auckland"},
    {4, "South Pacific Champs", 130, "Wellington", "Christchurch"},
    {6, "Central Tournament", 85, "Rotorua", "Hawkes Bay"},
    {8, "Southern Challenge", 225, "Dunedin", "Invercargill"},
    {10, "North Island Cup", 110, "Taupo", "New Plymouth"},
    {12, "NZ Nationals", 35, "Auckland", "Auckland"},
}};

inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December",
};

// The month's name; empty for a month that does not exist (a damaged save).
constexpr std::string_view MonthName(Int month) {
  return InRange(month, 1, 12) ? kMonthNames[static_cast<std::size_t>(month.v - 1)] : std::string_view();
}

// The tournament held in the month, or nullptr: odd months hold none, and
// neither does a month outside 1..12.
constexpr const Tournament* TournamentIn(Int month) {
  for (const Tournament& t : kTournaments) {
    if (month == t.Month) return &t;
  }
  return nullptr;
}

// Where the tournament is held in that year: the venues alternate between
// even and odd years.
constexpr std::string_view VenueIn(const Tournament& t, Int year) {
  return year % 2 == 0 ? t.EvenYearVenue : t.OddYearVenue;
}

constexpr Int CarCost(const Tournament& t) { return t.CarCost; }
constexpr Int HiredCost(const Tournament& t) { return Int(t.CarCost) * kHireFactor; }

}  // namespace vantoro
