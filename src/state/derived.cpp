#include "state/derived.hpp"

namespace vantoro {
namespace {

template <class Team>
Int IndexOf(const Team& team, Int p) {
  if (!decltype(team.PlayerSpeed)::Valid(p)) return Int(0);
  return team.PlayerSpeed[p] + team.PlayerAgility[p] + team.PlayerStamina[p] + team.PlayerAccuracy[p];
}

template <class Team>
Int AverageOf(const Team& team) {
  Int sum = 0;
  for (int p = 1; p <= kSquadSize; ++p) sum += IndexOf(team, p);
  return sum / kSquadSize;
}

}  // namespace

Int PlayerIndex(const TeamRecord& team, Int p) { return IndexOf(team, p); }
Int PlayerIndex(const OppositionTeam& team, Int p) { return IndexOf(team, p); }
Int AverageIndex(const TeamRecord& team) { return AverageOf(team); }
Int AverageIndex(const OppositionTeam& team) { return AverageOf(team); }

Int TeamMorale(const TeamRecord& team) {
  Int sum = 0;
  for (int p = 1; p <= kSquadSize; ++p) sum += team.PlayerMorale[p];
  return sum / kSquadSize;
}

std::optional<Int> LoadPercentage(const TeamRecord& team) {
  Int load = 0;
  for (int p = 1; p <= kSquadSize; ++p) load += team.PlayerMarkerType[p];
  const Int capacity = team.Vehicle * 16;
  if (capacity <= 0) return std::nullopt;
  return load * 100 / capacity;
}

bool Overloaded(const TeamRecord& team) {
  const std::optional<Int> load = LoadPercentage(team);
  return !load || *load > 100;
}

TeamRank RankOfTeam(const TeamRecord& team, const LeagueRecord& league) {
  TeamRank rank{Int(1), false};
  for (const OppositionTeam& other : league) {
    if (other.LeagueScore > team.LeagueScore) ++rank.Rank;
    if (other.LeagueScore == team.LeagueScore) rank.Equal = true;
  }
  return rank;
}

std::string RankSuffix(Int rank) {
  if (rank == 1) return "st";
  if (rank == 2) return "nd";
  if (rank == 3) return "rd";
  return "th";
}

std::string RankTieMark(const TeamRank& rank) { return rank.Equal ? " equal." : ""; }

}  // namespace vantoro
