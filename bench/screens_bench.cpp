// Frame times of the screens (a frame must cost well under a millisecond)
// and start-up to the first presented frame.

#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/driver.hpp"
#include "app/program_support.hpp"
#include "sim/match.hpp"

namespace vantoro {
namespace {

FontLibrary& Fonts() {
  static FontLibrary fonts;
  return fonts;
}

PictureSet& Pictures() {
  static PictureSet pictures = [] {
    PictureSet set;
    std::string error;
    if (!set.LoadAll(VANTORO_ASSET_DIR, error)) throw std::runtime_error(error);
    return set;
  }();
  return pictures;
}

void Execute(Driver& driver, std::string_view line) {
  std::string error;
  if (!driver.Execute(line, error)) throw std::runtime_error(std::string(line) + ": " + error);
}

// One drawing tick of the visible screen per iteration.
void MeasureFrames(benchmark::State& bench, Driver& driver, int periodMs) {
  // The frame as a window gets it, without the tests' check of every row.
  driver.Platform().CheckStaleRows = false;
  for (auto _ : bench) driver.Wait(periodMs);
}

// The same, but with the caches emptied before each tick, as they are in a
// window that sleeps between its ticks while other programs run: what an
// idle screen really costs.
void MeasureColdFrames(benchmark::State& bench, Driver& driver, int periodMs) {
  driver.Platform().CheckStaleRows = false;
  std::vector<std::uint64_t> elsewhere(std::size_t{64} << 20 >> 3);  // beyond every cache
  std::uint64_t sum = 0;
  for (auto _ : bench) {
    bench.PauseTiming();
    for (std::uint64_t& word : elsewhere) sum += ++word;
    bench.ResumeTiming();
    driver.Wait(periodMs);
  }
  benchmark::DoNotOptimize(sum);
}

void BM_TitleFrame(benchmark::State& bench) {
  Driver driver(Fonts(), Pictures(), std::filesystem::temp_directory_path());
  Execute(driver, "wait 25");
  driver.Platform().CheckStaleRows = false;
  for (auto _ : bench) {
    // The title presents only when placed again, so make it place every time.
    driver.State().Runtime.TitlePlaced = 0;
    driver.Wait(25);
  }
}
BENCHMARK(BM_TitleFrame)->Unit(benchmark::kMicrosecond);

// Team creation past its intro, with a squad created.
std::unique_ptr<Driver> TeamCreationOn() {
  auto driver = std::make_unique<Driver>(Fonts(), Pictures(), std::filesystem::temp_directory_path());
  for (auto line : {"wait 25", "press 100 100", "wait 1500", "press 250 490", "wait 35"})
    Execute(*driver, line);
  return driver;
}

void BM_TeamCreationFrame(benchmark::State& bench) { MeasureFrames(bench, *TeamCreationOn(), 35); }
BENCHMARK(BM_TeamCreationFrame)->Unit(benchmark::kMicrosecond);

void BM_TeamCreationFrameCold(benchmark::State& bench) { MeasureColdFrames(bench, *TeamCreationOn(), 35); }
BENCHMARK(BM_TeamCreationFrameCold)->Unit(benchmark::kMicrosecond);

// Checking every picture and decoding the title's on a thread, while the
// fonts the first screens use load and the screens are made, then
// presenting the first title frame, as the programs start; the set's end
// stops the decoding behind the title, as a game closed on its title does.
void BM_StartupToFirstFrame(benchmark::State& bench) {
  for (auto _ : bench) {
    PictureSet pictures;
    PictureOpening opening(pictures, nullptr);  // the pictures beside this program
    FontLibrary fonts;
    Driver driver(fonts, pictures, std::filesystem::temp_directory_path());
    std::string error;
    if (!opening.Wait(error)) throw std::runtime_error(error);
    driver.Wait(25);
    benchmark::DoNotOptimize(driver.Platform().PresentCount());
  }
}
BENCHMARK(BM_StartupToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(10);

// The whole program as a player's start sees it: loading, start-up, the
// first title frame and closing, measured from outside the process.
void BM_StartupProcess(benchmark::State& bench) {
  const std::filesystem::path script = std::filesystem::temp_directory_path() / "vantoro-bench-startup.txt";
  std::ofstream(script) << "wait 25\n";
  for (auto _ : bench) {
    pid_t child = 0;
    char* argv[] = {const_cast<char*>(VANTORO_HEADLESS), const_cast<char*>(script.c_str()), nullptr};
    if (::posix_spawn(&child, VANTORO_HEADLESS, nullptr, nullptr, argv, environ) != 0)
      throw std::runtime_error("cannot start " VANTORO_HEADLESS);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("the headless game failed");
  }
  std::filesystem::remove(script);
}
BENCHMARK(BM_StartupProcess)->Unit(benchmark::kMillisecond)->Iterations(21)->UseRealTime();

}  // namespace
}  // namespace vantoro

namespace vantoro {
namespace {

// A game in the hub, past its opening, on the given section and page.
std::unique_ptr<Driver> HubOn(int section, int page, bool record = false) {
  auto driver = std::make_unique<Driver>(Fonts(), Pictures(), std::filesystem::temp_directory_path(), record);
  for (auto line : {"wait 25", "press 100 100", "wait 1500", "press 250 490", "press 560 490", "wait 1700"}) {
    Execute(*driver, line);
  }
  Execute(*driver, "set Runtime.HubSection " + std::to_string(section));
  Execute(*driver, "set Runtime.HubPage " + std::to_string(page));
  for (int i = 1; i <= 30; ++i)
    Execute(*driver,
            "set Runtime.MatchLog[" + std::to_string(i) + "] A line of the match report, long enough");
  Execute(*driver, "set Runtime.MatchLogCount 30");
  // A full price chart for the SHARES page: six lines of 120 months.
  for (int k = 1; k <= 120; ++k) {
    for (int n = 1; n <= 6; ++n) driver->State().Team.SharePriceHistory[k][n] = 20 + (k * 7 + n * 31) % 250;
  }
  return driver;
}

void BM_HubFrame(benchmark::State& bench) {
  auto driver = HubOn(static_cast<int>(bench.range(0)), static_cast<int>(bench.range(1)));
  MeasureFrames(bench, *driver, 50);
}
void BM_HubFrameCold(benchmark::State& bench) {
  auto driver = HubOn(1, 1);
  MeasureColdFrames(bench, *driver, 50);
}
BENCHMARK(BM_HubFrameCold)->Unit(benchmark::kMicrosecond);

// The same hub frame, the session recorded or not: recording notes a tick
// as one more in a count, so it must cost nothing to see.
void BM_HubFrameRecorded(benchmark::State& bench) {
  auto driver = HubOn(1, 1, bench.range(0) != 0);
  MeasureFrames(bench, *driver, 50);
}
BENCHMARK(BM_HubFrameRecorded)->ArgName("recording")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// What a recorded press adds: the hash of the whole state it settles in.
void BM_StateHash(benchmark::State& bench) {
  auto driver = HubOn(1, 1);
  for (auto _ : bench) benchmark::DoNotOptimize(StateHash(driver->State()));
}
BENCHMARK(BM_StateHash)->Unit(benchmark::kMicrosecond);

BENCHMARK(BM_HubFrame)
    ->ArgNames({"section", "page"})
    ->Args({1, 1})
    ->Args({1, 2})
    ->Args({1, 3})
    ->Args({1, 4})
    ->Args({1, 5})
    ->Args({1, 6})
    ->Args({2, 1})
    ->Args({2, 2})
    ->Args({2, 3})
    ->Args({3, 1})
    ->Args({3, 2})
    ->Args({3, 3})
    ->Args({3, 4})
    ->Args({4, 1})
    ->Args({4, 2})
    ->Args({4, 3})
    ->Args({5, 1})
    ->Args({5, 2})
    ->Args({5, 3})
    ->Args({5, 4})
    ->Args({6, 1})
    ->Args({6, 2})
    ->Args({6, 3})
    ->Args({7, 1})
    ->Args({7, 2})
    ->Unit(benchmark::kMicrosecond);

void BM_EndOfMonthFrame(benchmark::State& bench) {
  auto driver = HubOn(1, 1);
  driver->Screens().HandOver(ScreenId::Hub, ScreenId::EndOfMonth);
  Execute(*driver, "set Runtime.MonthProcessed 0");
  Execute(*driver, "set Runtime.MonthScroll 1");
  driver->Wait(50);
  // Keep the team together so that the screen stays up.
  for (int p = 1; p <= 7; ++p) driver->State().Team.PlayerMorale[p] = 90;
  MeasureFrames(bench, *driver, 50);
}
BENCHMARK(BM_EndOfMonthFrame)->Unit(benchmark::kMicrosecond);

void BM_LeagueEndFrame(benchmark::State& bench) {
  auto driver = HubOn(1, 1);
  driver->Screens().HandOver(ScreenId::Hub, ScreenId::LeagueEnd);
  MeasureFrames(bench, *driver, 50);
}
BENCHMARK(BM_LeagueEndFrame)->Unit(benchmark::kMicrosecond);

// The line-up of February's tournament.
std::unique_ptr<Driver> AtTournament() {
  auto driver = HubOn(6, 3);
  Execute(*driver, "set Team.Month 2");
  Execute(*driver, "wait 50");
  Execute(*driver, "press 185 460");
  Execute(*driver, "wait 50");
  return driver;
}

void BM_TournamentFrame(benchmark::State& bench) {
  auto driver = AtTournament();
  MeasureFrames(bench, *driver, 50);
}
BENCHMARK(BM_TournamentFrame)->Unit(benchmark::kMicrosecond);

// A rainy game at its fullest: fourteen players, 532 splats, the rain; the
// players hold their fire and their places so that every frame is alike.
void BM_MatchFrame(benchmark::State& bench) {
  auto driver = AtTournament();
  Execute(*driver, "set Runtime.Weather 3");
  Execute(*driver, "press 700 105");
  driver->Platform().CheckStaleRows = false;
  GameState& s = driver->State();
  for (int n = 1; n <= kSquadSize; ++n) {
    s.Team.PlayerSpeed[n] = 0;
    MatchTeam(s).PlayerSpeed[n] = 0;
  }
  for (int i = 1; i <= 532; ++i) {
    s.Runtime.SplatX[i] = s.Random(700) + 50;
    s.Runtime.SplatY[i] = s.Random(372) + 50;
    s.Runtime.SplatTeam[i] = s.Random(2) + 1;
  }
  for (auto _ : bench) {
    s.Runtime.MatchClock = 15;
    s.Runtime.SplatCount = 532;
    for (int n = 1; n <= kSquadSize; ++n) {
      s.Runtime.PlayerCell[n] = 14 + n;
      s.Runtime.PlayerCell[n + kSquadSize] = 42 + n;
    }
    driver->Wait(50);
  }
}
BENCHMARK(BM_MatchFrame)->Unit(benchmark::kMicrosecond);

void BM_ResultFrame(benchmark::State& bench) {
  auto driver = AtTournament();
  driver->Screens().HandOver(ScreenId::Tournament, ScreenId::Result);
  Execute(*driver, "set Runtime.ResultStage " + std::to_string(bench.range(0)));
  Execute(*driver, "set Runtime.OwnFinalScore 50");
  Execute(*driver, "set Runtime.OwnPenalty 5");
  Execute(*driver, "set Runtime.OppPenalty 10");
  MeasureFrames(bench, *driver, 50);
}
BENCHMARK(BM_ResultFrame)->ArgName("stage")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A gambling game in play: a race running, a hand dealt, a reel spinning.
void BM_GameFrame(benchmark::State& bench) {
  auto driver = HubOn(5, 3);
  static constexpr ScreenId kGames[] = {ScreenId::HorseRacing, ScreenId::CardGame, ScreenId::SlotMachine};
  const ScreenId game = kGames[bench.range(0)];
  driver->Screens().HandOver(ScreenId::Hub, game);
  driver->Platform().CheckStaleRows = false;
  GameState& s = driver->State();
  s.Team.Cash = 100000;
  if (game == ScreenId::HorseRacing) {
    s.Runtime.RaceReset = 1;
    driver->Wait(50);
  }
  for (auto _ : bench) {
    if (game == ScreenId::HorseRacing) {
      s.Runtime.RaceState = 1;
      for (int h = 1; h <= 6; ++h) s.Runtime.HorseX[h] = 100 + 10 * h;
    }
    if (game == ScreenId::CardGame) {
      s.Runtime.CardState = 2;
      s.Runtime.PlayerCardCount = s.Runtime.HouseCardCount = 2;
      for (int i = 1; i <= 5; ++i) s.Runtime.PlayerCards[i] = s.Runtime.HouseCards[i] = i;
    }
    if (game == ScreenId::SlotMachine) {
      s.Runtime.SlotState = 4;
      s.Runtime.SpinTicks = 5;
    }
    driver->Wait(50);
  }
}
BENCHMARK(BM_GameFrame)->ArgName("game")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vantoro
