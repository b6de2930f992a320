#pragma once
// vantoro-lab's work: seeded tournament games and whole leagues played
// through the game's own rules, without a window, fonts or pictures, and
// the tables made of them. Every game and league is seeded from its index,
// so what comes out does not depend on how many threads play them.

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "sim/match_run.hpp"
#include "state/game_state.hpp"

namespace vantoro::lab {

// The four roles in the order a line-up and its tactics are listed.
inline constexpr std::array<Role, 4> kRoles = {Role::Flank, Role::Support, Role::Forward, Role::Leader};

// The four own tactics, Flank, Support, Forward and Leader, each 1..3.
using Tactics = std::array<int, 4>;
inline constexpr Tactics kDefaultTactics = {1, 1, 1, 1};

// "1,2,3,1" in role order; false for anything else (a 3 is refused in rain
// by the caller, who knows the weather).
bool ParseTactics(std::string_view text, Tactics& out);
// "Drop Short / Go Medium / Go Long / Hang Back".
std::string TacticsLabel(const Tactics& tactics);

// A new game as team creation leaves it on COMMIT: the league set up and a
// squad rolled from the generator's seed, Airball, Open Class, five years.
GameState NewGame(std::uint32_t seed);
// The team and league of a save slot, as LOAD GAME resumes them.
bool LoadStart(const std::filesystem::path& dir, GameState& out, std::string& error);

// The generator's seed for game `index` of a run seeded with `base`: a
// mix, so that neighbouring indices play unrelated games.
std::uint32_t GameSeed(std::uint32_t base, std::uint64_t index);

struct MatchSetup {
  int Weather = 1;  // 1 Dry, 2 Overcast, 3 Raining
  Tactics Own = kDefaultTactics;
  int Opponent = 0;        // the opposition's slot 1..9; 0 is the team's next opponent
  std::uint32_t Seed = 0;  // the generator's seed as PLAY makes the kickoff
  MatchPace Pace{};
};

// One game from `start`: the line-up's settings, PLAY, every step to the
// whistle, the score sheet and the verdict. `state` ends as the result
// screen would find it.
void PlayOne(GameState& state, const MatchSetup& setup);

// The commentary and the score sheet, as a player reads them.
std::string MatchReport(const GameState& state);
// The log and the final state, in the headless driver's dump format.
std::string MatchJson(const GameState& state);

// Progress of a long run, for standard error: called now and then with the
// number done so far.
using Progress = std::function<void(std::uint64_t done)>;

// Runs work(i) for i in 0..count-1 on `threads` threads (0: every core).
void ForEachIndex(std::uint64_t count, unsigned threads, const std::function<void(std::uint64_t)>& work,
                  const Progress& progress = {});

struct Tally {
  std::int64_t Won = 0, Drawn = 0, Lost = 0;
  std::int64_t ScoreFor = 0, ScoreAgainst = 0;
  std::int64_t Games() const { return Won + Drawn + Lost; }
};

// A share with its 95 % interval (Wilson's), all in 0..1.
struct Rate {
  double Share = 0, Low = 0, High = 0;
};
Rate RateOf(std::int64_t count, std::int64_t games);

struct TacticsRow {
  int Weather = 1;
  Tactics Own{};
  Tally Result;
};

struct TacticsRun {
  int Matches = 100;  // per combination
  std::uint32_t Seed = 1;
  int Opponent = 0;
  unsigned Threads = 0;
};

// Every combination of tactics in dry weather (81) and in rain (16), each
// played run.Matches times from `start` with the same seeds (so that the
// combinations meet the same luck); best first within each weather.
std::vector<TacticsRow> PlayTactics(const GameState& start, const TacticsRun& run,
                                    const Progress& progress = {});
std::uint64_t TacticsGames(const TacticsRun& run);
std::string TacticsTable(const GameState& start, const TacticsRun& run, const std::vector<TacticsRow>& rows);

// The scripted manager of a season.
struct Policy {
  bool Fundraise = true;  // seek a sponsor while there is none, else door-to-door donations
  bool Pay = true;        // pay every player each month
  bool Repair = true;     // repair every marker that needs it
  int PaintBelow = 1000;  // buy paint while below this many paintballs (0: never)
  bool Rearm = true;      // buy the cheapest marker for a player who has none
  bool Travel = true;     // go to every tournament: by car, or hired when the car cannot
  bool HireOnly = false;  // always hire
  Tactics Own = kDefaultTactics;
  int ReadingTicks = 100;  // end-of-month frames before NEXT TURN (5 s)
  int Keep = 0;            // cash kept back from repairs, paint and markers
};
// "fundraise,pay,repair,paint=1000,rearm,travel,tactics=2.2.2.2,read=100,keep=500":
// what is not named is not done. False with the reason otherwise.
bool ParsePolicy(std::string_view text, Policy& out, std::string& error);
std::string PolicyText(const Policy& policy);

struct LeagueOutcome {
  bool BrokeUp = false;
  int Months = 0;     // months played to the end or the breakup
  int FinalRank = 0;  // 1..10 when the league was completed
  int Won = 0, Drawn = 0, Lost = 0, Missed = 0;
  std::vector<std::int32_t> Cash;  // after each month's processing
};

struct SeasonRun {
  int Leagues = 1000;
  int Years = 5;
  std::uint32_t Seed = 1;
  Policy Manager{};
  unsigned Threads = 0;
};

// One league from a new game seeded by `seed`, to its end or the breakup.
LeagueOutcome PlayLeague(std::uint32_t seed, int years, const Policy& policy);
std::vector<LeagueOutcome> PlaySeasons(const SeasonRun& run, const Progress& progress = {});
std::string SeasonReport(const SeasonRun& run, const std::vector<LeagueOutcome>& outcomes);

// A bar on standard error: done of total, the rate and the time left;
// silent when standard error is not a terminal. Finish() ends the line.
class ProgressBar {
 public:
  ProgressBar(std::uint64_t total, std::string unit);
  void Update(std::uint64_t done);
  void Finish();

 private:
  std::uint64_t total_;
  std::string unit_;
  bool shown_;
  std::int64_t startNs_, lastNs_ = 0;
};

}  // namespace vantoro::lab
