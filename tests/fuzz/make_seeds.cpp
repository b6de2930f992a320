// vantoro_fuzz_seeds DIR: writes the save target's seed inputs into DIR:
// a new game's slot and hand-built slots at the extremes (every text's
// length byte 255, every gap and reserved byte set, every number at its
// limits, all zeros, all ones), each as the choice byte then the two files.

#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "sim/creation_actions.hpp"
#include "sim/new_game.hpp"
#include "state/game_state.hpp"

namespace {

using namespace vantoro;

std::vector<std::byte> Image(const GameState& state) {
  std::vector<std::byte> bytes(kTeamRecordSize + kLeagueRecordSize);
  WriteImage(state.Team, std::span(bytes).first<kTeamRecordSize>());
  WriteImage(state.League, std::span(bytes).subspan<kTeamRecordSize, kLeagueRecordSize>());
  return bytes;
}

void Write(const std::filesystem::path& file, unsigned choice, const std::vector<std::byte>& slot) {
  std::ofstream out(file, std::ios::binary);
  const char c = static_cast<char>(choice);
  out.write(&c, 1);
  out.write(reinterpret_cast<const char*>(slot.data()), static_cast<std::streamsize>(slot.size()));
}

// Applies `change` to every member of both records seen as raw memory of
// the given kind: the records' layout is the file's, so this reaches every
// field and gap.
template <typename Change>
std::vector<std::byte> Edited(const std::vector<std::byte>& base, Change change) {
  std::vector<std::byte> bytes = base;
  change(bytes);
  return bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: vantoro_fuzz_seeds DIR\n");
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::filesystem::create_directories(dir);
  auto state = std::make_unique<GameState>();
  NewGameSetup(*state);
  RollSquad(*state);
  const std::vector<std::byte> fresh = Image(*state);

  // Every text at the full length byte.
  auto texts = std::make_unique<GameState>(*state);
  for (int p = 1; p <= kPlayerSlots; ++p) texts->Team.PlayerName[p].Length = 255;
  texts->Team.TeamName.Length = texts->Team.ManagerName.Length = 255;
  for (int t = 1; t <= kOppositionTeams; ++t) {
    texts->League[t].Name.Length = texts->League[t].ManagerName.Length = 255;
    for (int p = 1; p <= kSquadSize; ++p) texts->League[t].PlayerName[p].Length = 255;
  }

  // Every number at its limits, in turn by four-byte word.
  const auto words = [&](int value) {
    return Edited(fresh, [value](std::vector<std::byte>& b) {
      for (std::size_t i = 0; i + 4 <= b.size(); i += 4) std::memcpy(&b[i], &value, 4);
    });
  };
  const auto filled = [&](unsigned char v) { return std::vector<std::byte>(fresh.size(), std::byte{v}); };

  unsigned choice = 0;
  for (const auto& slot : {fresh, Image(*texts), words(INT_MAX), words(INT_MIN), words(-1), words(1000000),
                           filled(0x00), filled(0xFF), filled(0x80)}) {
    for (int k = 0; k < 8; ++k, ++choice) {
      Write(dir / ("slot-" + std::to_string(choice)), (choice * 37u) & 0xFFu, slot);
    }
  }
  // A short team file and no league file.
  Write(dir / "short", 0x5A, std::vector<std::byte>(fresh.begin(), fresh.begin() + 100));
  return 0;
}
