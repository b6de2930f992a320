// A hostile save slot's bytes through a load and a save, and nothing else,
// so that thousands of slots a second are tried: a slot that loads must be
// whole and must save back to exactly the bytes it was read from, gaps
// included. The input is laid out as the walking save target's (a choice
// byte, ignored here, then the team file and the league file), so the two
// share their seeds.

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "fuzz_support.hpp"
#include "state/file_ops.hpp"
#include "state/save_slot.hpp"

namespace vantoro::fuzz {
namespace {

namespace fs = std::filesystem;

// The slot's folder in memory: what is checked here is the bytes, and the
// system's file calls would cost most of the time.
class MemoryFiles final : public FileOps {
 public:
  std::map<std::string, std::vector<std::byte>> Files;

  int OpenRead(const fs::path& path, int& fd) override {
    const auto file = Files.find(path.string());
    if (file == Files.end()) return ENOENT;
    return Opened(file->first, fd);
  }
  int OpenWrite(const fs::path& path, int& fd) override {
    Files[path.string()].clear();
    return Opened(path.string(), fd);
  }
  int Write(int fd, std::span<const std::byte> data, std::size_t& written) override {
    auto& bytes = Files[open_.at(fd).Name];
    bytes.insert(bytes.end(), data.begin(), data.end());
    written = data.size();
    return 0;
  }
  int Read(int fd, std::span<std::byte> buffer, std::size_t& got) override {
    Handle& handle = open_.at(fd);
    const auto& bytes = Files[handle.Name];
    got = std::min(buffer.size(), bytes.size() - std::min(handle.At, bytes.size()));
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(handle.At), got, buffer.begin());
    handle.At += got;
    return 0;
  }
  int Status(int fd, FileStatus& status) override {
    status = {.Regular = true, .Directory = false, .Size = Files[open_.at(fd).Name].size()};
    return 0;
  }
  int Sync(int) override { return 0; }
  int Close(int fd) override {
    open_.erase(fd);
    return 0;
  }
  int Rename(const fs::path& from, const fs::path& to) override {
    const auto file = Files.find(from.string());
    if (file == Files.end()) return ENOENT;
    Files[to.string()] = std::move(file->second);
    Files.erase(from.string());
    return 0;
  }
  int Remove(const fs::path& path) override { return Files.erase(path.string()) > 0 ? 0 : ENOENT; }
  int SyncDirectory(const fs::path&) override { return 0; }

 private:
  struct Handle {
    std::string Name;
    std::size_t At = 0;
  };
  int Opened(const std::string& name, int& fd) {
    fd = next_++;
    open_[fd] = {name, 0};
    return 0;
  }
  std::map<int, Handle> open_;
  int next_ = 3;
};

std::vector<std::byte> Bytes(std::span<const std::uint8_t> data) {
  const auto* first = reinterpret_cast<const std::byte*>(data.data());
  return {first, first + data.size()};
}

}  // namespace
}  // namespace vantoro::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vantoro;
  using namespace vantoro::fuzz;
  const auto input = SplitSlotInput(data, size);
  if (!input) return 0;
  const std::span<const std::uint8_t> team = input->Team, league = input->League;
  MemoryFiles files;
  const fs::path dir = "slot", again = "again";
  files.Files[(dir / std::string(kTeamFileName)).string()] = Bytes(team);
  files.Files[(dir / std::string(kLeagueFileName)).string()] = Bytes(league);
  auto state = std::make_unique<GameState>();
  if (!LoadSlot(dir, state->Team, state->League, files).Ok()) return 0;
  if (team.size() < kTeamRecordSize || league.size() < kLeagueRecordSize) Finding("a short slot loaded");
  if (!SaveSlot(again, state->Team, state->League, files).Ok()) Finding("the loaded slot did not save");
  if (files.Files[(again / std::string(kTeamFileName)).string()] != Bytes(team))
    Finding("the team file changed in a round trip");
  if (files.Files[(again / std::string(kLeagueFileName)).string()] != Bytes(league))
    Finding("the league file changed in a round trip");
  return 0;
}
