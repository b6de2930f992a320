// A hostile save slot, played: the input's first byte chooses what is
// exercised, the rest is split into the team file and the league file. The
// slot is loaded, must save back to exactly the bytes it was read from, and
// is then walked through hub pages, a month end, a whole match with its
// result, the gambling screens and a save and load again. Any crash,
// sanitizer report or broken round trip is a finding.

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
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

std::vector<std::uint8_t> ReadFile(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
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
  if (size == 0) return 0;
  const std::uint8_t choice = data[0];
  const std::span<const std::uint8_t> rest(data + 1, size - 1);
  const std::span<const std::uint8_t> team = rest.first(std::min(rest.size(), kTeamRecordSize));
  const std::span<const std::uint8_t> league =
      rest.subspan(team.size()).first(std::min(rest.size() - team.size(), kLeagueRecordSize));
  const fs::path& dir = Scratch("save");
  const fs::path again = dir / "again";
  fs::create_directories(again);
  WriteFile(dir / std::string(kTeamFileName), team);
  WriteFile(dir / std::string(kLeagueFileName), league);

  // Every byte of a whole slot survives a load and a save, gaps included.
  {
    auto state = std::make_unique<GameState>();
    if (LoadSlot(dir, state->Team, state->League).Ok()) {
      if (team.size() < kTeamRecordSize || league.size() < kLeagueRecordSize) Finding("a short slot loaded");
      if (!SaveSlot(again, state->Team, state->League).Ok()) Finding("the loaded slot did not save");
      const auto t = ReadFile(again / std::string(kTeamFileName));
      const auto l = ReadFile(again / std::string(kLeagueFileName));
      if (!std::equal(t.begin(), t.end(), team.begin(), team.end()))
        Finding("the team file changed in a round trip");
      if (!std::equal(l.begin(), l.end(), league.begin(), league.end()))
        Finding("the league file changed in a round trip");
    }
  }

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
  ScreenSet& screens = driver.Screens();
  if (choice & 0x08) {
    ProcessMonth(state);
    screens.HandOver(ScreenId::Hub, ScreenId::EndOfMonth);
    driver.Wait(100);
    screens.HandOver(ScreenId::EndOfMonth, ScreenId::Hub);
  }
  if (choice & 0x10) {
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
  if (choice & 0x20) {
    for (ScreenId game : {ScreenId::HorseRacing, ScreenId::CardGame, ScreenId::SlotMachine}) {
      screens.HandOver(ScreenId::Hub, game);
      driver.Wait(100);
      screens.HandOver(game, ScreenId::Hub);
    }
  }
  if (choice & 0x40) {
    if (SaveSlot(dir, state.Team, state.League).Ok()) {
      auto loaded = std::make_unique<GameState>();
      if (!LoadSlot(dir, loaded->Team, loaded->League).Ok()) Finding("a saved slot did not load");
    }
  }
  return 0;
}
