#pragma once
// A tournament game between the team's seven players and the seven of the
// opposition team it meets, on the 63 cells of the field: the kickoff, the
// shot step every frame, the event step every second and a half, and the
// commentary both write into the match log.
//
// The fourteen players are indexed k = 1..14: 1..7 the team's players in
// squad order, 8..14 the opposition's players 1..7.

#include <array>
#include <string>

#include "state/game_state.hpp"

namespace vantoro {

inline constexpr int kMatchPlayers = 14;
inline constexpr int kKickoffClock = 20;
inline constexpr int kFlagStart = 32;
inline constexpr int kSplatsPerStep = 28;
inline constexpr int kWeatherRaining = 3;

enum class Role { Flank, Support, Forward, Leader };

// Players 1 and 7 play on the flanks, 2 and 6 in support, 3 and 5 forward,
// and 4 leads.
constexpr Role RoleOf(int number) {
  switch (number) {
    case 1:
    case 7: return Role::Flank;
    case 2:
    case 6: return Role::Support;
    case 3:
    case 5: return Role::Forward;
    default: return Role::Leader;
  }
}

// "Flank", "Support", ... as the line-up names the roles.
std::string_view RoleName(Role role);
// "Drop Short", "Go Medium", "Go Long"; the Leader's "Hang Back", "Mid Field",
// "Rush Flag"; empty for a tactic that is none of 1..3.
std::string_view TacticName(Role role, Int tactic);

Int& OwnTactic(RuntimeState& r, Role role);
Int& OppTactic(RuntimeState& r, Role role);

// The opposition team in a league slot; a damaged slot number is the first team.
OppositionTeam& LeagueTeam(LeagueRecord& league, Int slot);
const OppositionTeam& LeagueTeam(const LeagueRecord& league, Int slot);

// The opposition team of the game, in the slot MatchOpponent names.
OppositionTeam& MatchTeam(GameState& state);
const OppositionTeam& MatchTeam(const GameState& state);

// Adds a commentary line; once the log is full the last line is replaced.
void AppendLog(GameState& state, std::string line);

// Emptied before every game.
void ClearMatchLog(GameState& state);

// PLAY: both sides in their start columns, the flag in the centre and the
// opposition's tactics drawn.
void Kickoff(GameState& state);

// A shot that tags, for the frame to draw: from the shooter's cell to the
// target's, in the colour of the shooter's side.
struct TagLine {
  Int ShooterCell;
  Int TargetCell;
  bool ByOwnSide;
};
struct ShotResult {
  std::array<TagLine, kMatchPlayers> Tags{};
  int TagCount = 0;
};

// Whether a shooter on one cell sees a target on another.
using SightTest = bool (*)(Int shooterCell, Int targetCell);
bool TableSight(Int shooterCell, Int targetCell);
bool WalkedSight(Int shooterCell, Int targetCell);

// Every player in range and in sight of an opponent may shoot: first the
// opposition, then the team.
ShotResult ShotStep(GameState& state, SightTest sight = TableSight);
// The same into a result kept from frame to frame, for runs of many games.
void ShotStep(GameState& state, ShotResult& result, SightTest sight = TableSight);

// Fatigue, markers, paint, the clock, every move and the flag. True when the
// game ended in this step.
bool EventStep(GameState& state);

}  // namespace vantoro
