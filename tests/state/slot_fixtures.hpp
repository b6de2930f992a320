#pragma once
// Scratch folders, random records and faulty file operations for the save
// slot's tests.

#include <stdlib.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "state/file_ops.hpp"
#include "state/records.hpp"

namespace vantoro {

using Bytes = std::vector<std::byte>;

// A fresh folder under the system's temporary folder, removed at the end.
struct TempDir {
  std::filesystem::path path;

  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vantoro-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path = pattern;
  }
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path)) names.insert(entry.path().filename());
    return names;
  }
};

inline Bytes ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string s{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  return Bytes(reinterpret_cast<const std::byte*>(s.data()),
               reinterpret_cast<const std::byte*>(s.data()) + s.size());
}

inline void WriteBytes(const std::filesystem::path& path, const Bytes& bytes) {
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

struct Records {
  std::unique_ptr<TeamRecord> Team = std::make_unique<TeamRecord>();
  std::unique_ptr<LeagueRecord> League = std::make_unique<LeagueRecord>();

  // Every byte random, gaps and reserved words included.
  static Records Random(unsigned seed) {
    std::mt19937 gen(seed);
    Records r;
    for (auto [record, size] : {std::pair<void*, std::size_t>{r.Team.get(), kTeamRecordSize},
                                {r.League.get(), kLeagueRecordSize}}) {
      std::generate_n(static_cast<unsigned char*>(record), size,
                      [&] { return static_cast<unsigned char>(gen()); });
    }
    return r;
  }
  Bytes TeamImage() const {
    Bytes image(kTeamRecordSize);
    WriteImage(*Team, std::span<std::byte, kTeamRecordSize>(image));
    return image;
  }
  Bytes LeagueImage() const {
    Bytes image(kLeagueRecordSize);
    WriteImage(*League, std::span<std::byte, kLeagueRecordSize>(image));
    return image;
  }
  bool operator==(const Records& other) const {
    return TeamImage() == other.TeamImage() && LeagueImage() == other.LeagueImage();
  }
};

// The real file operations, every call counted and logged; a chosen call
// fails (a full disk, an I/O error), or every call from it on (the process
// died there). A failing write first writes half its bytes, as a torn write
// would. Short transfers and EINTR exercise the callers' loops.
class FaultFileOps final : public FileOps {
 public:
  enum class Mode { None, FailOne, KillFrom };
  Mode mode = Mode::None;
  int at = 0;                                        // 1-based call number
  std::size_t chunk = static_cast<std::size_t>(-1);  // most bytes per read or write
  bool interrupt = false;                            // every other read and write first gives EINTR
  int fails = EIO;                                   // what the failed call gives
  int calls = 0;
  std::vector<std::string> log;  // "Rename savefilex.dat.new", ...

  int OpenRead(const std::filesystem::path& p, int& fd) override {
    return Fault("OpenRead", p) ? (fd = -1, fails) : real_.OpenRead(p, fd);
  }
  int OpenWrite(const std::filesystem::path& p, int& fd) override {
    return Fault("OpenWrite", p) ? (fd = -1, fails) : real_.OpenWrite(p, fd);
  }
  int Write(int fd, std::span<const std::byte> data, std::size_t& n) override {
    if (Interrupted()) return n = 0, EINTR;
    if (Fault("Write")) return real_.Write(fd, data.first(data.size() / 2), n), n = 0, fails;
    return real_.Write(fd, data.first(std::min(chunk, data.size())), n);
  }
  int Read(int fd, std::span<std::byte> buffer, std::size_t& n) override {
    if (Interrupted()) return n = 0, EINTR;
    return Fault("Read") ? (n = 0, fails) : real_.Read(fd, buffer.first(std::min(chunk, buffer.size())), n);
  }
  int Status(int fd, FileStatus& status) override {
    return Fault("Status") ? fails : real_.Status(fd, status);
  }
  int Sync(int fd) override { return Fault("Sync") ? fails : real_.Sync(fd); }
  int Close(int fd) override {
    const bool fault = Fault("Close");
    const int error = real_.Close(fd);  // a dead process's files are closed too
    return fault ? fails : error;
  }
  int Rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
    return Fault("Rename", from) ? fails : real_.Rename(from, to);
  }
  int Remove(const std::filesystem::path& p) override { return Fault("Remove", p) ? fails : real_.Remove(p); }
  int SyncDirectory(const std::filesystem::path& d) override {
    return Fault("SyncDirectory") ? fails : real_.SyncDirectory(d);
  }

 private:
  bool Fault(const char* what, const std::filesystem::path& p = {}) {
    log.push_back(p.empty() ? what : std::string(what) + " " + p.filename().string());
    ++calls;
    return (mode == Mode::FailOne && calls == at) || (mode == Mode::KillFrom && calls >= at);
  }
  bool Interrupted() { return interrupt && (flip_ = !flip_); }

  FileOps& real_ = RealFileOps();
  bool flip_ = false;
};

}  // namespace vantoro
