// vantoro-lab: plays seeded tournament games and whole leagues without a
// window, and shows what wins.

#include <charconv>
#include <cstdint>
#include <exception>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/lab/lab.hpp"
#include "app/lab/lab_chart.hpp"
#include "state/version.hpp"

namespace {

using namespace vantoro;
using namespace vantoro::lab;

constexpr std::string_view kUsage =
    R"(usage: vantoro-lab match [--slot DIR] [--game N] [--seed N] [--weather 1|2|3]
                         [--tactics F,S,W,L] [--opponent T] [--json]
       vantoro-lab tactics [--matches N] [--seed N] [--slot DIR] [--game N]
                           [--opponent T] [--threads N] [--png FILE]
       vantoro-lab season [--years N] [--leagues N] [--seed N] [--policy LIST]
                          [--threads N]
       vantoro-lab --help | --version

match    One tournament game, from a new game or from the team and league of
         the save slot in DIR. --seed is the generator's seed as PLAY makes
         the kickoff (default 1), --weather 1 Dry (default), 2 Overcast,
         3 Raining, --tactics the tactics of Flank, Support, Forward and
         Leader (1..3, default 1,1,1,1; 3 is not offered in rain), --opponent
         the opposition team 1..9 (default the team's next opponent). Prints
         the commentary and the score sheet, or with --json the log and the
         final state in the headless driver's dump format.
tactics  Every combination of tactics, 81 in dry weather and 16 in rain,
         played N times each (default 100) with the same seeds, and a table of
         won, drawn and lost games with the win rate's 95 % interval, best
         first. --png also draws it as a chart.
season   Whole leagues (default 1000) of N years (default 5) from new games,
         run by a scripted manager, and how they end: breakups, final ranks,
         tournament games and cash over time. --policy is a comma list of
         what the manager does each month (default
         pay,repair,paint=1000,rearm,travel,tactics=1.1.1.1,read=100):
           pay          pay every player          repair   repair the markers
           paint=N      buy paint below N balls   rearm    replace lost markers
           travel       go by car, or hired when the car cannot
           hire         always hire               keep=N   keep $N back
           tactics=F.S.W.L  the line-up's tactics
           read=N       frames on the month's list before NEXT TURN (each
                        frame may break the team up)
--game N   the seed of the new game (default 0).
--threads  how many threads play (default: every core); the results do not
           depend on it.

A new game is what team creation makes on COMMIT: Airball, Open Class, five
years. Every game is seeded from its index, so the same options always give
the same output. Long runs show their progress on standard error.

Exit status: 0 done; 1 a save slot or the chart could not be read or
written; 2 bad usage.
)";

constexpr int kFailed = 1;
constexpr int kUsageError = 2;

struct UsageFault {
  std::string Message;
};

class Arguments {
 public:
  Arguments(int argc, char** argv) : args_(argv + 1, argv + argc) {}
  bool Empty() const { return next_ >= args_.size(); }
  std::string_view Next() { return args_[next_++]; }
  std::string_view Value(std::string_view option) {
    if (Empty()) throw UsageFault{"option " + std::string(option) + " needs a value"};
    return Next();
  }
  std::int64_t Number(std::string_view option, std::int64_t low, std::int64_t high) {
    const std::string_view text = Value(option);
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
      throw UsageFault{"option " + std::string(option) + " takes a whole number from " + std::to_string(low) +
                       " to " + std::to_string(high) + ", not '" + std::string(text) + "'"};
    return value;
  }

 private:
  std::vector<std::string_view> args_;
  std::size_t next_ = 0;
};

constexpr std::int64_t kSeedMax = 0xFFFFFFFFll;

struct Start {
  std::optional<std::string> Slot;
  std::uint32_t Game = 0;
};

// The heavy state lives on the heap.
std::unique_ptr<GameState> MakeStart(const Start& start) {
  auto state = std::make_unique<GameState>();
  if (start.Slot) {
    std::string error;
    if (!LoadStart(*start.Slot, *state, error)) {
      std::cerr << "vantoro-lab: " << error << '\n';
      return nullptr;
    }
  } else {
    *state = NewGame(start.Game);
  }
  return state;
}

int Match(Arguments& args) {
  Start start;
  MatchSetup setup;
  setup.Seed = 1;
  bool json = false;
  while (!args.Empty()) {
    const std::string_view option = args.Next();
    if (option == "--slot") {
      start.Slot = std::string(args.Value(option));
    } else if (option == "--game") {
      start.Game = static_cast<std::uint32_t>(args.Number(option, 0, kSeedMax));
    } else if (option == "--seed") {
      setup.Seed = static_cast<std::uint32_t>(args.Number(option, 0, kSeedMax));
    } else if (option == "--weather") {
      setup.Weather = static_cast<int>(args.Number(option, 1, 3));
    } else if (option == "--tactics") {
      const std::string_view text = args.Value(option);
      if (!ParseTactics(text, setup.Own))
        throw UsageFault{"--tactics takes four tactics 1..3 separated by commas, not '" + std::string(text) +
                         "'"};
    } else if (option == "--opponent") {
      setup.Opponent = static_cast<int>(args.Number(option, 1, kOppositionTeams));
    } else if (option == "--json") {
      json = true;
    } else {
      throw UsageFault{"unknown option '" + std::string(option) + "' for match"};
    }
  }
  if (setup.Weather == kWeatherRaining) {
    for (const int t : setup.Own)
      if (t == 3) throw UsageFault{"in rain the tactics are 1 or 2: Go Long and Rush Flag are not offered"};
  }
  const std::unique_ptr<GameState> state = MakeStart(start);
  if (!state) return kFailed;
  PlayOne(*state, setup);
  std::cout << (json ? MatchJson(*state) + "\n" : MatchReport(*state));
  return 0;
}

int TacticsCommand(Arguments& args) {
  Start start;
  TacticsRun run;
  std::optional<std::string> png;
  while (!args.Empty()) {
    const std::string_view option = args.Next();
    if (option == "--matches") {
      run.Matches = static_cast<int>(args.Number(option, 1, 10'000'000));
    } else if (option == "--seed") {
      run.Seed = static_cast<std::uint32_t>(args.Number(option, 0, kSeedMax));
    } else if (option == "--slot") {
      start.Slot = std::string(args.Value(option));
    } else if (option == "--game") {
      start.Game = static_cast<std::uint32_t>(args.Number(option, 0, kSeedMax));
    } else if (option == "--opponent") {
      run.Opponent = static_cast<int>(args.Number(option, 1, kOppositionTeams));
    } else if (option == "--threads") {
      run.Threads = static_cast<unsigned>(args.Number(option, 1, 1024));
    } else if (option == "--png") {
      png = std::string(args.Value(option));
    } else {
      throw UsageFault{"unknown option '" + std::string(option) + "' for tactics"};
    }
  }
  const std::unique_ptr<GameState> state = MakeStart(start);
  if (!state) return kFailed;
  ProgressBar bar(TacticsGames(run), "games");
  const std::vector<TacticsRow> rows =
      PlayTactics(*state, run, [&bar](std::uint64_t done) { bar.Update(done); });
  bar.Finish();
  const std::string table = TacticsTable(*state, run, rows);
  std::cout << table;
  if (png) {
    std::string error;
    const std::string heading = table.substr(0, table.find('\n'));
    if (!WriteTacticsChart(*png, heading, rows, error)) {
      std::cerr << "vantoro-lab: " << error << '\n';
      return kFailed;
    }
  }
  return 0;
}

int Season(Arguments& args) {
  SeasonRun run;
  while (!args.Empty()) {
    const std::string_view option = args.Next();
    if (option == "--years") {
      run.Years = static_cast<int>(args.Number(option, 1, 10));
    } else if (option == "--leagues") {
      run.Leagues = static_cast<int>(args.Number(option, 1, 10'000'000));
    } else if (option == "--seed") {
      run.Seed = static_cast<std::uint32_t>(args.Number(option, 0, kSeedMax));
    } else if (option == "--policy") {
      std::string error;
      if (!ParsePolicy(args.Value(option), run.Manager, error)) throw UsageFault{error};
    } else if (option == "--threads") {
      run.Threads = static_cast<unsigned>(args.Number(option, 1, 1024));
    } else {
      throw UsageFault{"unknown option '" + std::string(option) + "' for season"};
    }
  }
  ProgressBar bar(static_cast<std::uint64_t>(run.Leagues), "leagues");
  const std::vector<LeagueOutcome> outcomes =
      PlaySeasons(run, [&bar](std::uint64_t done) { bar.Update(done); });
  bar.Finish();
  std::cout << SeasonReport(run, outcomes);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    Arguments args(argc, argv);
    if (args.Empty()) throw UsageFault{"no command"};
    const std::string_view command = args.Next();
    if (command == "--help" || command == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (command == "--version") {
      std::cout << "vantoro-lab " << kVersion << '\n';
      return 0;
    }
    if (command == "match") return Match(args);
    if (command == "tactics") return TacticsCommand(args);
    if (command == "season") return Season(args);
    throw UsageFault{"unknown command '" + std::string(command) + "'"};
  } catch (const UsageFault& fault) {
    std::cerr << "vantoro-lab: " << fault.Message << "\nTry 'vantoro-lab --help'.\n";
    return kUsageError;
  } catch (const std::exception& e) {
    std::cerr << "vantoro-lab: " << e.what() << '\n';
    return kFailed;
  }
}
