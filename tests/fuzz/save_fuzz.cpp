// A hostile save slot, played: the input's first byte chooses what is
// exercised, the rest is split into the team file and the league file. The
// slot is loaded through LOAD GAME and walked through a few hub pages and
// one of: a month end, a whole match with its result, the gambling screens,
// or a save and load again. Any crash or sanitizer report is a finding.
// (The byte-for-byte round trip of a slot has a quicker target of its own.)

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "fuzz_support.hpp"
#include "sim/creation_actions.hpp"
#include "sim/match.hpp"
#include "sim/match_run.hpp"
#include "sim/month.hpp"
#include "state/save_slot.hpp"

namespace vantoro::fuzz {
namespace {

namespace fs = std::filesystem;

void WriteFile(const fs::path& file, std::span<const std::uint8_t> bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void Run(Driver& driver, std::string_view line) {
  std::string error;
  (void)driver.Execute(line, error);
}

// The pages of each hub section, first to last.
constexpr int kPages[] = {0, 6, 3, 4, 3, 4, 3, 2};

}  // namespace
}  // namespace vantoro::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantoro;
  using namespace vantoro::fuzz;
  const auto input = SplitSlotInput(data, size);
  if (!input) return 0;
  const auto [choice, team, league] = *input;
  const fs::path& dir = Scratch("save");
  WriteFile(dir / std::string(kTeamFileName), team);
  WriteFile(dir / std::string(kLeagueFileName), league);

  Driver driver(Fonts(), StandInPictures(), dir);
  driver.Platform().EchoMessages = false;
  driver.Platform().MessageBoxesFail = (choice & 0x80) != 0;
  // A window the frame just fits: the title is then drawn without stretching.
  driver.Platform().SetClientSize({800, 600});
  // Past the title and team creation's intro (skipped: its ticks would
  // cost more than the rest), then LOAD GAME.
  Run(driver, "wait 25");
  Run(driver, "press 100 100");
  driver.State().Runtime.CreationCounter = kCreationIntroDone;
  Run(driver, "wait 35");
  Run(driver, "press 400 490");
  if (driver.VisibleScreenName() != "hub") return 0;
  GameState& state = driver.State();
  state.Runtime.HubIntroCounter = 470;  // past the opening

  // Three or four of the 25 pages, chosen by the input, each drawn once.
  int index = 0;
  for (int section = 1; section <= 7; ++section) {
    for (int page = 1; page <= kPages[section]; ++page, ++index) {
      if (index % 8 != choice % 8) continue;
      state.Runtime.HubSection = section;
      state.Runtime.HubPage = page;
      driver.Wait(50);
    }
  }
  // One walk of four per input: each is a whole screen's worth of ticks.
  ScreenSet& screens = driver.Screens();
  const int walk = (choice >> 3) & 3;
  if (walk == 0) {
    ProcessMonth(state);
    screens.HandOver(ScreenId::Hub, ScreenId::EndOfMonth);
    driver.Wait(100);
    screens.HandOver(ScreenId::EndOfMonth, ScreenId::Hub);
  }
  if (walk == 1) {
    ClearMatchLog(state);
    Kickoff(state);
    PlayOut(state);
    screens.HandOver(ScreenId::Hub, ScreenId::Result);
    state.Runtime.ResultStage = 0;
    driver.Wait(50);
    state.Runtime.ResultStage = 1;
    driver.Wait(50);
    screens.HandOver(ScreenId::Result, ScreenId::Hub);
  }
  if (walk == 2) {
    for (ScreenId game : {ScreenId::HorseRacing, ScreenId::CardGame, ScreenId::SlotMachine}) {
      screens.HandOver(ScreenId::Hub, game);
      driver.Wait(100);
      screens.HandOver(game, ScreenId::Hub);
    }
  }
  if (walk == 3) {
    if (SaveSlot(dir, state.Team, state.League).Ok()) {
      auto loaded = std::make_unique<GameState>();
      if (!LoadSlot(dir, loaded->Team, loaded->League).Ok()) Finding("a saved slot did not load");
    }
  }
  return 0;
}
