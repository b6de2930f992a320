#include "state/save_slot.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <optional>
#include <system_error>
#include <vector>

namespace vantoro {
namespace {

namespace fs = std::filesystem;

constexpr std::array<char, 8> kMarkerMagic = {'V', 'T', 'R', 'S', 'L', 'O', 'T', '1'};

std::string Reason(int error) { return std::generic_category().message(error); }

// A failure's text for the log and the system's error, for the player's
// own words (SaveFailureMessage).
struct Fault {
  std::string Text;  // empty: no failure
  int Errno = 0;
  bool empty() const { return Text.empty(); }
};

Fault Failure(std::string_view file, int error) { return {std::string(file) + ": " + Reason(error), error}; }

std::string DirectoryName(const fs::path& dir) { return dir.empty() ? std::string(".") : dir.string(); }

// A temporary or the marker of an unfinished save that is no file at all
// blocks every later save and load until the player removes it: say so.
Fault LeftoverFailure(const fs::path& dir, std::string_view name, int error) {
  if (error != EISDIR && error != EINVAL) return Failure(name, error);
  return {(dir / name).string() + (error == EISDIR ? " is a directory" : " is not a regular file") +
              "; remove it to save or load the game",
          error};
}

// FNV-1a: the marker only has to tell a finished write from a torn or
// stale one, not resist a forger.
std::uint64_t Checksum(std::span<const std::byte> bytes) {
  std::uint64_t hash = 0xCBF29CE484222325ULL;
  for (std::byte b : bytes) {
    hash ^= std::to_integer<std::uint64_t>(b);
    hash *= 0x100000001B3ULL;
  }
  return hash;
}

void PutU64(std::byte* out, std::uint64_t value) {
  for (int i = 0; i < 8; ++i) out[i] = static_cast<std::byte>((value >> (8 * i)) & 0xFF);
}

std::uint64_t GetU64(const std::byte* in) {
  std::uint64_t value = 0;
  for (int i = 0; i < 8; ++i) value |= std::to_integer<std::uint64_t>(in[i]) << (8 * i);
  return value;
}

struct ImageSum {
  std::uint64_t Size;
  std::uint64_t Sum;
  bool Matches(std::span<const std::byte> bytes) const {
    return bytes.size() == Size && Checksum(bytes) == Sum;
  }
};

struct Marker {
  ImageSum Team;
  ImageSum League;
};

std::optional<Marker> ParseMarker(std::span<const std::byte> bytes) {
  if (bytes.size() != kCommitMarkerSize) return std::nullopt;
  for (std::size_t i = 0; i < kMarkerMagic.size(); ++i) {
    if (bytes[i] != static_cast<std::byte>(kMarkerMagic[i])) return std::nullopt;
  }
  if (GetU64(&bytes[40]) != Checksum(bytes.first(40))) return std::nullopt;
  const Marker marker{{GetU64(&bytes[8]), GetU64(&bytes[16])}, {GetU64(&bytes[24]), GetU64(&bytes[32])}};
  if (marker.Team.Size != kTeamRecordSize || marker.League.Size != kLeagueRecordSize) return std::nullopt;
  return marker;
}

template <class Call>
int RetryInterrupted(Call call) {
  int error = 0;
  do {
    error = call();
  } while (error == EINTR);
  return error;
}

// Closes a descriptor left open by an early return; the normal path closes
// explicitly so that the result is checked.
class Descriptor {
 public:
  explicit Descriptor(FileOps& ops) : ops_(ops) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd >= 0) ops_.Close(fd);
  }
  int Close() {
    const int f = fd;
    fd = -1;
    return ops_.Close(f);
  }

  int fd = -1;

 private:
  FileOps& ops_;
};

// A missing file, or a missing directory on the way to it.
bool Absent(int error) { return error == ENOENT || error == ENOTDIR; }

struct FileRead {
  int Errno = 0;        // the system's error, when there was one
  std::string Message;  // empty on success
  std::size_t Got = 0;
  bool Ok() const { return Message.empty(); }
};

FileRead Fail(std::string_view name, int error) { return FileRead{error, Failure(name, error).Text, 0}; }

// Reads the file's first buffer.size() bytes, or all of a shorter file.
FileRead ReadFile(FileOps& ops, const fs::path& dir, std::string_view name, std::span<std::byte> buffer) {
  Descriptor file(ops);
  if (int e = RetryInterrupted([&] { return ops.OpenRead(dir / name, file.fd); })) {
    file.fd = -1;
    return Fail(name, e);
  }
  FileStatus status;
  if (int e = ops.Status(file.fd, status)) return Fail(name, e);
  if (status.Directory) return Fail(name, EISDIR);
  if (!status.Regular) return FileRead{EINVAL, std::string(name) + ": not a regular file", 0};
  std::size_t got = 0;
  while (got < buffer.size()) {
    std::size_t n = 0;
    const int e = ops.Read(file.fd, buffer.subspan(got), n);
    if (e == EINTR) continue;
    if (e != 0) return Fail(name, e);
    if (n == 0) break;
    got += std::min(n, buffer.size() - got);
  }
  if (int e = file.Close()) return Fail(name, e);
  return FileRead{0, {}, got};
}

Fault WriteAll(FileOps& ops, int fd, std::string_view name, std::span<const std::byte> data) {
  std::size_t done = 0;
  while (done < data.size()) {
    std::size_t n = 0;
    const int e = ops.Write(fd, data.subspan(done), n);
    if (e == EINTR) continue;
    if (e != 0) return Failure(name, e);
    // A write that moves nothing would loop for ever.
    if (n == 0 || n > data.size() - done) return Failure(name, EIO);
    done += n;
  }
  return {};
}

// Creates the file with exactly these bytes and forces them to the disk.
Fault WriteDurably(FileOps& ops, const fs::path& dir, std::string_view name,
                   std::span<const std::byte> data) {
  Descriptor file(ops);
  if (int e = RetryInterrupted([&] { return ops.OpenWrite(dir / name, file.fd); })) {
    file.fd = -1;
    // A new file that cannot be made is the folder's fault: name the folder
    // the player can do something about, not a temporary file.
    const bool folder = e == EACCES || e == EPERM || e == EROFS || e == ENOENT || e == ENOTDIR;
    return Failure(folder ? DirectoryName(dir) : std::string(name), e);
  }
  if (Fault error = WriteAll(ops, file.fd, name, data); !error.empty()) return error;
  if (int e = RetryInterrupted([&] { return ops.Sync(file.fd); })) return Failure(name, e);
  if (int e = file.Close()) return Failure(name, e);
  return {};
}

Fault SyncDirectory(FileOps& ops, const fs::path& dir) {
  if (int e = RetryInterrupted([&] { return ops.SyncDirectory(dir); })) return Failure(DirectoryName(dir), e);
  return {};
}

// Removes what an unfinished save left, so that the slot is its two files
// again. A file that is already gone is no failure.
Fault Discard(FileOps& ops, const fs::path& dir, bool markerSeen) {
  Fault error;
  bool removed = false;
  for (std::string_view name : {kCommitMarkerName, kTeamTempName, kLeagueTempName}) {
    if (name == kCommitMarkerName && !markerSeen) continue;
    const int e = ops.Remove(dir / name);
    if (e == 0) removed = true;
    if (e != 0 && !Absent(e) && error.empty()) error = LeftoverFailure(dir, name, e);
  }
  if (removed && error.empty()) error = SyncDirectory(ops, dir);
  return error;
}

// Renames the committed temporaries over the slot and drops the marker. The
// marker goes last: until then a crash is finished by the next recovery.
Fault FinishCommit(FileOps& ops, const fs::path& dir, bool renameTeam, bool renameLeague) {
  if (renameTeam) {
    if (int e = ops.Rename(dir / kTeamTempName, dir / kTeamFileName)) return Failure(kTeamFileName, e);
  }
  if (renameLeague) {
    if (int e = ops.Rename(dir / kLeagueTempName, dir / kLeagueFileName)) return Failure(kLeagueFileName, e);
  }
  if (Fault error = SyncDirectory(ops, dir); !error.empty()) return error;
  if (int e = ops.Remove(dir / kCommitMarkerName)) return Failure(kCommitMarkerName, e);
  return SyncDirectory(ops, dir);
}

enum class Pending { Rename, InPlace, Mismatch };

struct Check {
  Pending State = Pending::Mismatch;
  Fault Error;  // the files could not be read, so nothing can be decided
};

// Where one image of a committed save stands: its temporary is complete and
// waits for the rename, or it was renamed already, or neither (the commit
// cannot be finished).
Check CheckImage(FileOps& ops, const fs::path& dir, std::string_view temp, std::string_view final,
                 const ImageSum& sum) {
  std::vector<std::byte> buffer(sum.Size + 1);
  const FileRead t = ReadFile(ops, dir, temp, buffer);
  if (t.Ok()) return {sum.Matches(std::span(buffer).first(t.Got)) ? Pending::Rename : Pending::Mismatch, {}};
  if (!Absent(t.Errno)) return {Pending::Mismatch, LeftoverFailure(dir, temp, t.Errno)};
  const FileRead f = ReadFile(ops, dir, final, buffer);
  if (f.Ok()) return {sum.Matches(std::span(buffer).first(f.Got)) ? Pending::InPlace : Pending::Mismatch, {}};
  if (!Absent(f.Errno)) return {Pending::Mismatch, {f.Message, f.Errno}};
  return {Pending::Mismatch, {}};
}

struct Recovery {
  Fault Error;
  // The slot's two files are the whole of one save and may be read, even
  // if tidying up failed.
  bool SlotReadable = true;
};

Recovery Recover(FileOps& ops, const fs::path& dir) {
  std::array<std::byte, kCommitMarkerSize + 1> bytes{};
  const FileRead read = ReadFile(ops, dir, kCommitMarkerName, bytes);
  if (!read.Ok() && !Absent(read.Errno)) return {LeftoverFailure(dir, kCommitMarkerName, read.Errno), false};
  const std::optional<Marker> marker =
      read.Ok() ? ParseMarker(std::span(bytes).first(read.Got)) : std::nullopt;
  if (!marker) return {Discard(ops, dir, read.Ok()), true};

  const Check team = CheckImage(ops, dir, kTeamTempName, kTeamFileName, marker->Team);
  if (!team.Error.empty()) return {team.Error, false};
  const Check league = CheckImage(ops, dir, kLeagueTempName, kLeagueFileName, marker->League);
  if (!league.Error.empty()) return {league.Error, false};
  if (team.State == Pending::Mismatch || league.State == Pending::Mismatch)
    return {Discard(ops, dir, true), true};

  Fault error = FinishCommit(ops, dir, team.State == Pending::Rename, league.State == Pending::Rename);
  return {error, error.empty()};
}

SlotResult Failed(const Fault& fault) {
  SlotResult result(fault.Text);
  result.Errno = fault.Errno;
  return result;
}

std::string ShortFile(std::string_view name, std::string_view what, std::size_t got, std::size_t size) {
  return std::string(name) + ": the file is shorter than a saved " + std::string(what) + " (" +
         std::to_string(got) + " of " + std::to_string(size) + " bytes)";
}

}  // namespace

std::array<std::byte, kCommitMarkerSize> MakeCommitMarker(std::span<const std::byte> teamImage,
                                                          std::span<const std::byte> leagueImage) {
  std::array<std::byte, kCommitMarkerSize> marker{};
  for (std::size_t i = 0; i < kMarkerMagic.size(); ++i) marker[i] = static_cast<std::byte>(kMarkerMagic[i]);
  PutU64(&marker[8], teamImage.size());
  PutU64(&marker[16], Checksum(teamImage));
  PutU64(&marker[24], leagueImage.size());
  PutU64(&marker[32], Checksum(leagueImage));
  PutU64(&marker[40], Checksum(std::span(marker).first(40)));
  return marker;
}

SaveResult SaveSlot(const fs::path& dir, const TeamRecord& team, const LeagueRecord& league, FileOps& ops) {
  // A stale marker must be settled before new temporaries take its names.
  if (auto recovery = Recover(ops, dir); !recovery.Error.empty()) return Failed(recovery.Error);

  std::vector<std::byte> teamImage(kTeamRecordSize);
  std::vector<std::byte> leagueImage(kLeagueRecordSize);
  WriteImage(team, std::span<std::byte, kTeamRecordSize>(teamImage));
  WriteImage(league, std::span<std::byte, kLeagueRecordSize>(leagueImage));
  const auto marker = MakeCommitMarker(teamImage, leagueImage);

  Fault error = WriteDurably(ops, dir, kTeamTempName, teamImage);
  if (error.empty()) error = WriteDurably(ops, dir, kLeagueTempName, leagueImage);
  if (error.empty()) error = WriteDurably(ops, dir, kCommitMarkerName, marker);
  if (error.empty()) error = SyncDirectory(ops, dir);
  if (!error.empty()) {
    // Not committed: the previous slot stands. Should tidying fail as well,
    // the next recovery settles it: a torn or missing marker keeps the old
    // slot, a complete one makes the new slot whole.
    Discard(ops, dir, true);
    return Failed(error);
  }

  // Committed: from here on the new slot wins, now or at the next load, so
  // the save has succeeded whatever finishing it says.
  SaveResult saved;
  saved.Warning = FinishCommit(ops, dir, true, true).Text;
  if (!saved.Warning.empty()) Recover(ops, dir);
  return saved;
}

std::string SaveFailureMessage(const fs::path& folder, const SaveResult& failed) {
  std::string why;
  switch (failed.Errno) {
    case EACCES:
    case EPERM: why = "the game may not write in its save folder"; break;
    case EROFS: why = "the save folder is on a disk that cannot be written to"; break;
    case ENOSPC:
    case EDQUOT: why = "the disk is full"; break;
    case ENOENT:
    case ENOTDIR: why = "the save folder does not exist"; break;
    case EIO: why = "the disk failed to write"; break;
    case 0:
    case EISDIR:
    case EINVAL: why = failed.Error; break;  // these say already what the player can do
    default: why = "the system said \"" + Reason(failed.Errno) + "\""; break;
  }
  return "The game was not saved: " + why + ". The save slot in " + DirectoryName(folder) +
         " is as it was before this save.";
}

LoadResult LoadSlot(const fs::path& dir, TeamRecord& team, LeagueRecord& league, FileOps& ops) {
  if (auto recovery = Recover(ops, dir); !recovery.SlotReadable) return {recovery.Error.Text};

  // Both files are read before either record changes, so a failure at the
  // league file cannot leave a loaded team beside the old league.
  std::vector<std::byte> teamImage(kTeamRecordSize);
  std::vector<std::byte> leagueImage(kLeagueRecordSize);
  const FileRead t = ReadFile(ops, dir, kTeamFileName, teamImage);
  if (!t.Ok()) return {t.Message};
  if (t.Got < kTeamRecordSize) return {ShortFile(kTeamFileName, "team", t.Got, kTeamRecordSize)};
  const FileRead l = ReadFile(ops, dir, kLeagueFileName, leagueImage);
  if (!l.Ok()) return {l.Message};
  if (l.Got < kLeagueRecordSize) return {ShortFile(kLeagueFileName, "league", l.Got, kLeagueRecordSize)};

  ReadImage(std::span<const std::byte, kTeamRecordSize>(teamImage), team);
  ReadImage(std::span<const std::byte, kLeagueRecordSize>(leagueImage), league);
  return {};
}

LoadResult LoadGame(const fs::path& dir, GameState& game, FileOps& ops) {
  LoadResult result = LoadSlot(dir, game.Team, game.League, ops);
  if (result.Ok()) {
    game.Runtime.GambledThisMonth = 1;
    game.Runtime.FundraisedThisMonth = 1;
  }
  return result;
}

}  // namespace vantoro
