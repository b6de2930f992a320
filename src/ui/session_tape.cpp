#include "ui/session_tape.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <iostream>
#include <map>
#include <system_error>

#include "state/save_slot.hpp"
#include "state/state_json.hpp"
#include "state/version.hpp"
#include "ui/screen_set.hpp"

namespace vantoro {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kMagic = "VTRPLAY1";
constexpr std::uint64_t kFormat = 1;
// What a damaged file may claim, so that it can never make playback
// allocate or loop without end.
constexpr std::uint64_t kMostBytesRead = 1 << 20;
constexpr std::size_t kMostNameLength = 255;
constexpr std::int64_t kMostCoordinate = 1 << 24;

std::uint64_t Fnv(std::uint64_t hash, std::string_view bytes) {
  for (unsigned char c : bytes) {
    hash ^= c;
    hash *= 0x100000001B3ULL;
  }
  return hash;
}

}  // namespace

std::uint32_t FoldHash(std::uint64_t hash) { return static_cast<std::uint32_t>(hash ^ (hash >> 32)); }

std::uint64_t StateHash(const GameState& state) {
  std::uint64_t hash = 0xCBF29CE484222325ULL;
  hash = Fnv(hash, TeamToJson(state.Team).dump());
  hash = Fnv(hash, LeagueToJson(state.League).dump());
  hash = Fnv(hash, RuntimeToJson(state.Runtime).dump());
  return Fnv(hash, std::to_string(state.Rng.Seed));
}

// ---------------------------------------------------------------- recording

// The real file calls, each noted with what it answered.
class TapeRecorder::RecordingFiles final : public FileOps {
 public:
  RecordingFiles(TapeRecorder& tape, FileOps& real) : tape_(tape), real_(real) {}

  int OpenRead(const fs::path& path, int& fd) override {
    const int e = real_.OpenRead(path, fd);
    tape_.NoteFile(FileCall::OpenRead, path, e, 0);
    return e;
  }
  int OpenWrite(const fs::path& path, int& fd) override {
    const int e = real_.OpenWrite(path, fd);
    tape_.NoteFile(FileCall::OpenWrite, path, e, 0);
    return e;
  }
  int Write(int fd, std::span<const std::byte> data, std::size_t& written) override {
    const int e = real_.Write(fd, data, written);
    tape_.NoteFile(FileCall::Write, {}, e, written);
    return e;
  }
  int Read(int fd, std::span<std::byte> buffer, std::size_t& got) override {
    const int e = real_.Read(fd, buffer, got);
    tape_.NoteFile(FileCall::Read, {}, e, got, buffer.first(e == 0 ? std::min(got, buffer.size()) : 0));
    return e;
  }
  int Status(int fd, FileStatus& status) override {
    const int e = real_.Status(fd, status);
    const std::byte kind{static_cast<unsigned char>((status.Regular ? 1 : 0) | (status.Directory ? 2 : 0))};
    tape_.NoteFile(FileCall::Status, {}, e, status.Size, std::span(&kind, 1));
    return e;
  }
  int Sync(int fd) override { return Noted(FileCall::Sync, {}, real_.Sync(fd)); }
  int Close(int fd) override { return Noted(FileCall::Close, {}, real_.Close(fd)); }
  int Rename(const fs::path& from, const fs::path& to) override {
    return Noted(FileCall::Rename, from, real_.Rename(from, to));
  }
  int Remove(const fs::path& path) override { return Noted(FileCall::Remove, path, real_.Remove(path)); }
  int SyncDirectory(const fs::path& dir) override {
    return Noted(FileCall::SyncDirectory, {}, real_.SyncDirectory(dir));
  }

 private:
  int Noted(FileCall call, const fs::path& path, int e) {
    tape_.NoteFile(call, path, e, 0);
    return e;
  }
  TapeRecorder& tape_;
  FileOps& real_;
};

TapeRecorder::TapeRecorder(const GameState& state, FileOps& files)
    : state_(state), files_(std::make_unique<RecordingFiles>(*this, files)) {
  bytes_.append(kMagic);
  Put(kFormat);
  Put(std::strlen(kVersion));
  bytes_.append(kVersion);
}

TapeRecorder::~TapeRecorder() {
  Finish();
  if (file_) std::fclose(file_);
}

bool TapeRecorder::Open(const fs::path& folder, int keep) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  // Named by the moment, so that names sort as the sessions came.
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char name[64];
  std::strftime(name, sizeof name, "%Y-%m-%d-%H%M%S", &local);
  std::vector<fs::path> old;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (it->path().extension() == ".vtr") old.push_back(it->path());
  }
  std::sort(old.begin(), old.end());
  for (std::size_t i = 0; i + static_cast<std::size_t>(std::max(keep - 1, 0)) < old.size(); ++i) {
    fs::remove(old[i], ec);
  }
  path_ = folder / (std::string(name) + "-" + std::to_string(::getpid()) + ".vtr");
  const int fd = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  file_ = fd >= 0 ? ::fdopen(fd, "wb") : nullptr;
  if (!file_) {
    std::cerr << "Vantoro: not recording this session: " << path_.string() << ": "
              << std::generic_category().message(errno) << '\n';
    if (fd >= 0) ::close(fd);
    bytes_.clear();
    return false;
  }
  Flush();
  return true;
}

void TapeRecorder::OpenInMemory() { inMemory_ = true; }

void TapeRecorder::Put(std::uint64_t v) {
  while (v >= 0x80) {
    bytes_.push_back(static_cast<char>((v & 0x7F) | 0x80));
    v >>= 7;
  }
  bytes_.push_back(static_cast<char>(v));
}

void TapeRecorder::PutSigned(std::int64_t v) {
  // Zigzag: small magnitudes of either sign stay short.
  Put((static_cast<std::uint64_t>(v) << 1) ^ static_cast<std::uint64_t>(v >> 63));
}

void TapeRecorder::PutNow(std::int64_t now) {
  PutSigned(
      static_cast<std::int64_t>(static_cast<std::uint64_t>(now) - static_cast<std::uint64_t>(lastNow_)));
  lastNow_ = now;
}

void TapeRecorder::FlushRun() {
  if (onTime_ == 0) return;
  bytes_.push_back(static_cast<char>(TapeTag::OnTime));
  Put(onTime_);
  onTime_ = 0;
}

void TapeRecorder::NoteSize(ClientSize client) {
  if (client == client_) return;
  FlushRun();
  client_ = client;
  bytes_.push_back(static_cast<char>(TapeTag::Client));
  PutSigned(client.Width);
  PutSigned(client.Height);
}

void TapeRecorder::Flush() {
  if (inMemory_) return;
  if (file_ && !bytes_.empty() &&
      (std::fwrite(bytes_.data(), 1, bytes_.size(), file_) != bytes_.size() || std::fflush(file_) != 0)) {
    std::cerr << "Vantoro: recording of this session stopped: " << path_.string() << ": "
              << std::generic_category().message(errno) << '\n';
    std::fclose(file_);
    file_ = nullptr;
  }
  // What is on disk, or can never get there, need not stay in memory.
  bytes_.clear();
}

void TapeRecorder::Started(std::int64_t now, ClientSize client) {
  bytes_.push_back(static_cast<char>(TapeTag::Start));
  lastNow_ = 0;
  PutNow(now);
  client_ = client;
  PutSigned(client.Width);
  PutSigned(client.Height);
}

void TapeRecorder::Ticked(std::int64_t now, std::int64_t due, ClientSize client) {
  NoteSize(client);
  if (now == due) {
    ++onTime_;
    return;
  }
  FlushRun();
  bytes_.push_back(static_cast<char>(TapeTag::Late));
  PutNow(now);
  if (bytes_.size() >= 4096) Flush();
}

void TapeRecorder::Pressed(bool down, int x, int y, std::int64_t now, ClientSize client) {
  NoteSize(client);
  FlushRun();
  bytes_.push_back(static_cast<char>(down ? TapeTag::Down : TapeTag::Up));
  PutNow(now);
  PutSigned(x);
  PutSigned(y);
}

void TapeRecorder::Closed(std::int64_t now, ClientSize client) {
  NoteSize(client);
  FlushRun();
  bytes_.push_back(static_cast<char>(TapeTag::Close));
  PutNow(now);
}

void TapeRecorder::Settled(std::uint64_t hash) {
  // Most releases, and presses beside the buttons, change nothing: the
  // hash is written only when it changed.
  const std::uint32_t folded = FoldHash(hash);
  if (settled_ == folded) return;
  settled_ = folded;
  FlushRun();
  bytes_.push_back(static_cast<char>(TapeTag::Hash));
  Put(folded);
  Flush();
}

bool TapeRecorder::MessageShown(bool shown) {
  FlushRun();
  bytes_.push_back(static_cast<char>(TapeTag::Message));
  Put(shown ? 1 : 0);
  return shown;
}

void TapeRecorder::NoteFile(FileCall call, const fs::path& path, int result, std::uint64_t amount,
                            std::span<const std::byte> read) {
  FlushRun();
  bytes_.push_back(static_cast<char>(TapeTag::File));
  Put(static_cast<std::uint64_t>(call));
  PutSigned(result);
  Put(amount);
  const std::string name = path.filename().string();
  Put(name.size());
  bytes_.append(name);
  Put(read.size());
  bytes_.append(reinterpret_cast<const char*>(read.data()), read.size());
}

void TapeRecorder::Finish() {
  if (finished_) return;
  FlushRun();
  bytes_.push_back(static_cast<char>(TapeTag::End));
  Put(StateHash(state_));
  Flush();
  finished_ = true;
}

// ---------------------------------------------------------------- playback

bool TapePlayer::Load(std::string bytes, std::string name, std::string& error) {
  bytes_ = std::move(bytes);
  name_ = std::move(name);
  at_ = 0;
  event_ = 0;
  if (bytes_.size() < kMagic.size() || std::string_view(bytes_).substr(0, kMagic.size()) != kMagic) {
    error = name_ + ": not a recording of a Vantoro session";
    return false;
  }
  at_ = kMagic.size();
  std::uint64_t format = 0, length = 0;
  if (!Get(format) || !Get(length) || length > 64 || bytes_.size() - at_ < length) {
    error = name_ + ": the recording's header is damaged";
    return false;
  }
  version_ = bytes_.substr(at_, length);
  at_ += length;
  if (format != kFormat) {
    error = name_ + ": a recording in format " + std::to_string(format) + " (of Vantoro " + version_ +
            "); this version plays format " + std::to_string(kFormat);
    return false;
  }
  return true;
}

bool TapePlayer::Get(std::uint64_t& v) {
  v = 0;
  for (int shift = 0; shift < 64; shift += 7) {
    if (at_ >= bytes_.size()) return false;
    const auto byte = static_cast<unsigned char>(bytes_[at_++]);
    v |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
    if (!(byte & 0x80)) return true;
  }
  return false;  // longer than any 64-bit number
}

bool TapePlayer::GetSigned(std::int64_t& v) {
  std::uint64_t u = 0;
  if (!Get(u)) return false;
  v = static_cast<std::int64_t>((u >> 1) ^ (~(u & 1) + 1));
  return true;
}

bool TapePlayer::GetNow(std::int64_t& now) {
  std::int64_t delta = 0;
  if (!GetSigned(delta)) return false;
  // Wraps like the game's own integers: a hostile delta is no overflow.
  lastNow_ =
      static_cast<std::int64_t>(static_cast<std::uint64_t>(lastNow_) + static_cast<std::uint64_t>(delta));
  now = lastNow_;
  return true;
}

std::string TapePlayer::Position() const {
  return "event " + std::to_string(event_) + " (byte " + std::to_string(eventStart_) + ")";
}

bool TapePlayer::Next(TapeEvent& event, std::string& error) {
  event = TapeEvent();
  if (at_ >= bytes_.size()) {
    error.clear();
    return false;
  }
  eventStart_ = at_;
  ++event_;
  const auto damaged = [&](std::string_view what) {
    error = name_ + ": damaged at " + Position() + ": " + std::string(what);
    at_ = bytes_.size();
    return false;
  };
  event.Tag = static_cast<TapeTag>(bytes_[at_++]);
  if (event.Tag == TapeTag::Down || event.Tag == TapeTag::Up || event.Tag == TapeTag::Close) {
    press_ = std::string(event.Tag == TapeTag::Down ? "press"
                         : event.Tag == TapeTag::Up ? "release"
                                                    : "close") +
             " at " + Position();
  }
  std::uint64_t u = 0;
  switch (event.Tag) {
    case TapeTag::Start:
      lastNow_ = 0;
      if (!GetNow(event.Now) || !GetSigned(event.A) || !GetSigned(event.B)) return damaged("a cut-off start");
      break;
    case TapeTag::Client:
      if (!GetSigned(event.A) || !GetSigned(event.B)) return damaged("a cut-off window size");
      break;
    case TapeTag::OnTime:
      if (!Get(u) || u == 0) return damaged("a run of ticks without a length");
      event.A = static_cast<std::int64_t>(std::min<std::uint64_t>(u, 1ULL << 40));
      break;
    case TapeTag::Late:
    case TapeTag::Close:
      if (!GetNow(event.Now)) return damaged("a cut-off moment");
      break;
    case TapeTag::Down:
    case TapeTag::Up:
      if (!GetNow(event.Now) || !GetSigned(event.A) || !GetSigned(event.B)) return damaged("a cut-off press");
      event.A = std::clamp<std::int64_t>(event.A, -kMostCoordinate, kMostCoordinate);
      event.B = std::clamp<std::int64_t>(event.B, -kMostCoordinate, kMostCoordinate);
      break;
    case TapeTag::Message:
      if (!Get(u) || u > 1) return damaged("a message box neither shown nor not");
      event.A = static_cast<std::int64_t>(u);
      break;
    case TapeTag::File: {
      std::uint64_t call = 0, length = 0, readLength = 0;
      if (!Get(call) || call < 1 || call > static_cast<std::uint64_t>(FileCall::SyncDirectory) ||
          !GetSigned(event.B) || !Get(event.C) || !Get(length) || length > kMostNameLength ||
          bytes_.size() - at_ < length) {
        return damaged("a cut-off or impossible file call");
      }
      event.A = static_cast<std::int64_t>(call);
      event.Name = bytes_.substr(at_, length);
      at_ += length;
      if (!Get(readLength) || readLength > kMostBytesRead || bytes_.size() - at_ < readLength)
        return damaged("a file read longer than the recording");
      const auto* first = reinterpret_cast<const std::byte*>(bytes_.data() + at_);
      event.Bytes.assign(first, first + readLength);
      at_ += readLength;
      break;
    }
    case TapeTag::Hash:
    case TapeTag::End:
      if (!Get(event.C)) return damaged("a cut-off hash");
      break;
    default: return damaged("an event of no known kind");
  }
  return true;
}

void TapePlayer::Diverged(std::string why) {
  if (divergence_.empty())
    divergence_ = name_ + ": the game differs from the recording at " + Position() + ": " + why;
}

bool TapePlayer::Expect(TapeTag tag, TapeEvent& event, std::string_view otherwise) {
  std::string error;
  if (!Next(event, error)) {
    if (divergence_.empty()) divergence_ = error.empty() ? CutOff() : error;
    return false;
  }
  if (event.Tag == tag) return true;
  Diverged(std::string(otherwise));
  return false;
}

void TapePlayer::Settled(std::uint64_t hash) {
  // No hash recorded: the state was the one last hashed.
  if (at_ < bytes_.size() && static_cast<TapeTag>(bytes_[at_]) == TapeTag::Hash) {
    TapeEvent event;
    if (!Expect(TapeTag::Hash, event, "")) return;
    settled_ = event.C;
  }
  if (settled_ != FoldHash(hash))
    Diverged("the game is in another state than the recorded one after the " + press_);
}

bool TapePlayer::MessageShown(bool shown) {
  TapeEvent event;
  return Expect(TapeTag::Message, event, "the game showed a message where the recording has none")
             ? event.A != 0
             : shown;
}

// Answers each file call as the recording says it was answered, and makes
// the writes for real as well.
class TapePlayer::PlayingFiles final : public FileOps {
 public:
  PlayingFiles(TapePlayer& tape, fs::path folder) : tape_(tape), folder_(std::move(folder)) {}
  ~PlayingFiles() override {
    for (const auto& [fake, real] : real_) {
      if (real >= 0) ::close(real);
    }
  }

  int OpenRead(const fs::path& path, int& fd) override {
    fd = -1;
    const TapeEvent* e = Take(FileCall::OpenRead, path);
    if (!e) return EIO;
    if (e->B == 0) fd = Fake(-1);
    return Result(*e);
  }
  int OpenWrite(const fs::path& path, int& fd) override {
    fd = -1;
    const TapeEvent* e = Take(FileCall::OpenWrite, path);
    if (!e) return EIO;
    if (e->B == 0) {
      const int real =
          ::open((folder_ / path.filename()).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
      fd = Fake(real);
    }
    return Result(*e);
  }
  int Write(int fd, std::span<const std::byte> data, std::size_t& written) override {
    written = 0;
    const TapeEvent* e = Take(FileCall::Write, {});
    if (!e) return EIO;
    written = static_cast<std::size_t>(std::min<std::uint64_t>(e->C, data.size()));
    if (const int real = Real(fd); real >= 0) {
      for (std::size_t done = 0; done < written;) {
        const ssize_t n = ::write(real, data.data() + done, written - done);
        if (n <= 0 && errno != EINTR) break;
        if (n > 0) done += static_cast<std::size_t>(n);
      }
    }
    return Result(*e);
  }
  int Read(int, std::span<std::byte> buffer, std::size_t& got) override {
    got = 0;
    const TapeEvent* e = Take(FileCall::Read, {});
    if (!e) return EIO;
    got = std::min(e->Bytes.size(), buffer.size());
    std::copy_n(e->Bytes.begin(), got, buffer.begin());
    return Result(*e);
  }
  int Status(int, FileStatus& status) override {
    const TapeEvent* e = Take(FileCall::Status, {});
    if (!e) return EIO;
    const int kind = e->Bytes.empty() ? 0 : std::to_integer<int>(e->Bytes[0]);
    status = FileStatus{(kind & 1) != 0, (kind & 2) != 0, e->C};
    return Result(*e);
  }
  int Sync(int) override { return Answer(FileCall::Sync, {}); }
  int Close(int fd) override {
    if (const auto found = real_.find(fd); found != real_.end()) {
      if (found->second >= 0) ::close(found->second);
      real_.erase(found);
    }
    return Answer(FileCall::Close, {});
  }
  int Rename(const fs::path& from, const fs::path& to) override {
    std::error_code ec;
    fs::rename(folder_ / from.filename(), folder_ / to.filename(), ec);
    return Answer(FileCall::Rename, from);
  }
  int Remove(const fs::path& path) override {
    std::error_code ec;
    fs::remove(folder_ / path.filename(), ec);
    return Answer(FileCall::Remove, path);
  }
  int SyncDirectory(const fs::path&) override { return Answer(FileCall::SyncDirectory, {}); }

 private:
  // The next event, which must be this call on this file.
  const TapeEvent* Take(FileCall call, const fs::path& path) {
    const std::string name = path.filename().string();
    if (!tape_.Expect(TapeTag::File, event_,
                      "the game made a file call on '" + name + "' where the recording has none"))
      return nullptr;
    if (event_.A != static_cast<std::int64_t>(call) || event_.Name != name) {
      tape_.Diverged("the game made file call " + std::to_string(static_cast<int>(call)) + " on '" + name +
                     "' where the recording has another event");
      return nullptr;
    }
    return &event_;
  }
  int Answer(FileCall call, const fs::path& path) {
    const TapeEvent* e = Take(call, path);
    return e ? Result(*e) : EIO;
  }
  // A recorded result that is no errno value a caller can act on is an
  // input error, not a zero.
  static int Result(const TapeEvent& e) { return e.B >= 0 && e.B < 4096 ? static_cast<int>(e.B) : EIO; }
  int Fake(int real) {
    const int fake = next_++;
    real_[fake] = real;
    return fake;
  }
  int Real(int fd) const {
    const auto found = real_.find(fd);
    return found == real_.end() ? -1 : found->second;
  }
  TapePlayer& tape_;
  fs::path folder_;
  TapeEvent event_;
  std::map<int, int> real_;  // the descriptors handed out, and the real ones behind writes
  int next_ = 1 << 20;
};

FileOps& TapePlayer::Files(fs::path folder) {
  files_ = std::make_unique<PlayingFiles>(*this, std::move(folder));
  return *files_;
}

namespace {

ClientSize SizeOf(const TapeEvent& e) {
  return {static_cast<int>(std::clamp<std::int64_t>(e.A, 0, 1 << 16)),
          static_cast<int>(std::clamp<std::int64_t>(e.B, 0, 1 << 16))};
}

}  // namespace

PlaybackEnd PlayTape(ScreenSet& screens, TapePlayer& tape, const GameState& state, const PlaybackHooks& hooks,
                     std::string& error) {
  TapeEvent event;
  if (!tape.Expect(TapeTag::Start, event, "the recording does not begin with the session's start")) {
    error = tape.Divergence();
    return PlaybackEnd::Failed;
  }
  hooks.Client(SizeOf(event));
  screens.Start(event.Now);
  if (!hooks.Until(event.Now)) return PlaybackEnd::Stopped;
  std::int64_t ticks = 0;
  bool stopped = false;
  // One RunDue at `now`, as the recording has it.
  const auto tick = [&](std::int64_t now) {
    if (++ticks > hooks.MostTicks) {
      tape.Diverged("more ticks than any session has");
    } else if (!hooks.Until(now)) {
      stopped = true;
    } else {
      screens.RunDue(now);
    }
  };
  const auto going = [&] { return !stopped && tape.Divergence().empty(); };
  while (going() && tape.Next(event, error)) {
    switch (event.Tag) {
      case TapeTag::OnTime:
        for (std::int64_t i = 0; i < event.A && going(); ++i) {
          const auto due = screens.NextDue();
          if (!due) {
            tape.Diverged("the recording has ticks where the game has none running");
          } else {
            tick(*due);
          }
        }
        break;
      case TapeTag::Late:
        if (const auto due = screens.NextDue(); !due || *due > event.Now) {
          tape.Diverged("the recording has a tick due where the game has none");
        } else {
          tick(event.Now);
        }
        break;
      case TapeTag::Down:
      case TapeTag::Up:
      case TapeTag::Close:
        if (!hooks.Until(event.Now)) {
          stopped = true;
          break;
        }
        // The loop brought the clock up before the press; no tick was due.
        if (event.Now > screens.Now()) screens.RunDue(event.Now);
        if (event.Tag == TapeTag::Close) {
          screens.CloseVisible();
        } else if (event.Tag == TapeTag::Down) {
          screens.MouseDown(static_cast<int>(event.A), static_cast<int>(event.B));
        } else {
          screens.MouseUp(static_cast<int>(event.A), static_cast<int>(event.B));
        }
        break;
      case TapeTag::Client: hooks.Client(SizeOf(event)); break;
      case TapeTag::End:
        if (event.C != StateHash(state)) {
          tape.Diverged("the game ends in another state than the recorded one");
          break;
        }
        return PlaybackEnd::Agreed;
      case TapeTag::Start: tape.Diverged("a second start"); break;
      default:
        tape.Diverged("the recording has a file call, a message or a state the game did not come to here");
    }
  }
  if (stopped) return PlaybackEnd::Stopped;
  if (!tape.Divergence().empty()) {
    error = tape.Divergence();
  } else if (error.empty()) {
    error = tape.CutOff();
  }
  return PlaybackEnd::Failed;
}

}  // namespace vantoro
