#pragma once
// Values computed from the records wherever they are shown, never stored.

#include <optional>
#include <string>

#include "state/records.hpp"

namespace vantoro {

// Speed + Agility + Stamina + Accuracy of squad slot p (1..8); 0 for a slot
// that does not exist.
Int PlayerIndex(const TeamRecord& team, Int p);
Int PlayerIndex(const OppositionTeam& team, Int p);

// The seven players' indexes summed and divided by 7.
Int AverageIndex(const TeamRecord& team);
Int AverageIndex(const OppositionTeam& team);

// The seven players' morale summed and divided by 7.
Int TeamMorale(const TeamRecord& team);

// How full the team's vehicle is with the squad's markers, in percent:
// each vehicle size carries 16 marker units and a better marker takes more
// room. Nothing when the vehicle has no room at all (a damaged save).
std::optional<Int> LoadPercentage(const TeamRecord& team);
// More than the vehicle holds; a vehicle with no room is always overloaded.
bool Overloaded(const TeamRecord& team);

struct TeamRank {
  Int Rank;    // 1 + the opposition teams with more league points
  bool Equal;  // some opposition team has the same points
};
TeamRank RankOfTeam(const TeamRecord& team, const LeagueRecord& league);

// "st", "nd", "rd" or "th" for a rank.
std::string RankSuffix(Int rank);

// " equal." when the rank is shared, otherwise empty.
std::string RankTieMark(const TeamRank& rank);

}  // namespace vantoro
