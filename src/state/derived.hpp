#pragma once
// Values computed from the records wherever they are shown, never stored.

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

struct TeamRank {
  Int Rank;    // 1 + the opposition teams with more league points
  bool Equal;  // some opposition team has the same points
};
TeamRank RankOfTeam(const TeamRecord& team, const LeagueRecord& league);

// " equal." when the rank is shared, otherwise empty.
std::string RankTieMark(const TeamRank& rank);

}  // namespace vantoro
