// The monkey: seeded random presses, window presses, window sizes, closes
// and waits over every screen it can reach, from new games and from hostile
// save slots. It fails on a crash or a sanitizer report (the sanitizer
// build runs it too), on a frame row changed but not reported drawn (the
// fixture checks each game it plays) and, in an optimised build without
// sanitizers, on a tick slower than 50 ms.

#include <chrono>
#include <climits>
#include <cstring>
#include <random>
#include <string>

#include "screen_fixture.hpp"
#include "state/save_slot.hpp"
#include "state/slot_fixtures.hpp"

namespace vantoro::testing {
namespace {

#if defined(NDEBUG) && !defined(__SANITIZE_ADDRESS__)
constexpr bool kTimed = true;
#else
constexpr bool kTimed = false;
#endif
constexpr double kSlowestTickMs = 50;

struct Start {
  const char* Name;
  int Hostile;  // 0: a new game; 1: every byte random; 2: every word at a limit
  unsigned Seed;
  int Presses;
};

void PrintTo(const Start& start, std::ostream* os) { *os << start.Name; }

class MonkeyTest : public ScreenTest, public ::testing::WithParamInterface<Start> {
 protected:
  // The hostile slot goes to disk and comes back through LOAD GAME, as a
  // player's damaged files would.
  void WriteHostileSlot(const Start& start) {
    Records slot = Records::Random(start.Seed);
    if (start.Hostile == 2) {
      static constexpr int kLimits[] = {INT_MAX, INT_MIN, -1, 0, 1000000};
      const int value = kLimits[start.Seed % std::size(kLimits)];
      for (auto [record, size] : {std::pair<void*, std::size_t>{slot.Team.get(), kTeamRecordSize},
                                  {slot.League.get(), kLeagueRecordSize}}) {
        for (std::size_t i = 0; i + 4 <= size; i += 4) std::memcpy(static_cast<char*>(record) + i, &value, 4);
      }
    }
    ASSERT_TRUE(SaveSlot(folder, *slot.Team, *slot.League).Ok());
  }
};

TEST_P(MonkeyTest, SurvivesRandomPlay) {
  const Start start = GetParam();
  if (start.Hostile != 0) WriteHostileSlot(start);
  Script({"wait 25", "press 100 100", "wait 1400"});
  Script({start.Hostile != 0 ? "press 400 490" : "press 250 490",
          start.Hostile != 0 ? "wait 50" : "press 560 490"});

  std::mt19937 rng(start.Seed);
  const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  static constexpr int kSizes[][2] = {{0, 0},       {1, 1},       {799, 599},     {800, 600}, {1024, 768},
                                      {1600, 1200}, {2560, 1440}, {65536, 65536}, {300, 2000}};
  double slowest = 0;
  for (int done = 0; done < start.Presses;) {
    const int roll = pick(100);
    if (roll < 62) {
      driver->PressFrame(pick(800), pick(600));
      ++done;
    } else if (roll < 70) {
      driver->PressWindow(pick(3200) - 100, pick(2000) - 100);
      ++done;
    } else if (roll < 72) {
      const auto& size = kSizes[pick(static_cast<int>(std::size(kSizes)))];
      driver->Platform().SetClientSize({size[0], size[1]});
    } else if (roll < 74) {
      driver->Close();
      if (driver->Screens().QuitRequested()) {
        // The title was closed: the game ends, and a new one starts.
        ReplaceDriver(folder);
        Script({"wait 25", "press 100 100", "wait 1400", "press 400 490"});
      }
    } else {
      const int presentsBefore = driver->Platform().PresentCount();
      const auto before = std::chrono::steady_clock::now();
      driver->Wait(pick(300));
      const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - before;
      const int ticks = std::max(1, driver->Platform().PresentCount() - presentsBefore);
      slowest = std::max(slowest, took.count() / ticks);
    }
  }
  if (kTimed) {
    EXPECT_LT(slowest, kSlowestTickMs) << "the slowest tick took " << slowest << " ms";
  }
}

// 50,000 presses in all.
INSTANTIATE_TEST_SUITE_P(Starts, MonkeyTest,
                         ::testing::Values(Start{"NewGame1", 0, 1, 8000}, Start{"NewGame2", 0, 2, 8000},
                                           Start{"RandomBytes3", 1, 3, 6000},
                                           Start{"RandomBytes4", 1, 4, 6000},
                                           Start{"RandomBytes5", 1, 5, 6000}, Start{"WordsAtMax", 2, 5, 4000},
                                           Start{"WordsAtMin", 2, 6, 4000}, Start{"WordsAllOnes", 2, 7, 4000},
                                           Start{"WordsZero", 2, 8, 4000}),
                         [](const auto& test) { return std::string(test.param.Name); });

}  // namespace
}  // namespace vantoro::testing
