#pragma once
// A session on tape: everything from outside the game that decides what
// happens next, in order, so that the session can be played again exactly.
// The game is deterministic given these: which ticks ran when (on time, or
// late at a given moment), each press and close with its moment, the
// window's size, whether a message box could open, and what each file call
// of the save slot answered. The game's state is hashed after every press
// (a save is one) and at the end, so a playback that drifts stops where it
// does.
//
// The file: "VTRPLAY1", the format's number and the game's version, then
// tagged events in variable-length integers. Ticks on time, the usual
// case, are runs of a count; an hour of play is a few kilobytes.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "state/file_ops.hpp"
#include "state/game_state.hpp"
#include "ui/platform.hpp"

namespace vantoro {

// What ScreenSet tells the tape, and what it asks of it: recording notes
// what happened; playback gives back what was recorded.
class SessionTape {
 public:
  virtual ~SessionTape() = default;
  virtual void Started(std::int64_t now, ClientSize client) = 0;
  // A RunDue that delivered ticks: `now` is its moment, `due` the earliest
  // due tick it found.
  virtual void Ticked(std::int64_t now, std::int64_t due, ClientSize client) = 0;
  virtual void Pressed(bool down, int x, int y, std::int64_t now, ClientSize client) = 0;
  virtual void Closed(std::int64_t now, ClientSize client) = 0;
  // The state's hash once a press, a release or a close is handled (a save
  // is one): playback stops at the first that differs.
  virtual void Settled(std::uint64_t hash) = 0;
  // Whether the desktop's box opened; playback answers as it did then.
  virtual bool MessageShown(bool shown) = 0;
  // A playback: what came from outside comes from the recording.
  virtual bool Playing() const { return false; }
};

// A hash of everything the game holds: the team, the league and the
// running state, as their dump would show them, and the generator.
std::uint64_t StateHash(const GameState& state);
// The 32 bits of it kept after each press: enough to catch a playback
// that drifts, in half the room.
std::uint32_t FoldHash(std::uint64_t hash);

enum class TapeTag : std::uint8_t {
  Start = 1,    // now, width, height
  OnTime = 2,   // count: RunDue calls each at the earliest due tick
  Late = 3,     // now (a delta): a RunDue at a moment of its own
  Down = 4,     // now, x, y
  Up = 5,       // now, x, y
  Close = 6,    // now
  Client = 7,   // width, height: the window's size from here on
  Message = 8,  // 0 or 1
  File = 9,     // call, result, amount, [bytes read]
  Hash = 10,    // the state's hash after a save
  End = 11,     // the state's hash at the end
};

enum class FileCall : std::uint8_t {
  OpenRead = 1,
  OpenWrite,
  Write,
  Read,
  Status,
  Sync,
  Close,
  Rename,
  Remove,
  SyncDirectory,
};

struct TapeEvent {
  TapeTag Tag{};
  std::int64_t Now = 0;          // Late, Down, Up, Close, Start: the moment, absolute
  std::int64_t A = 0;            // Start/Client: width; Down/Up: x; OnTime: count; Message: shown; File: call
  std::int64_t B = 0;            // Start/Client: height; Down/Up: y; File: result
  std::uint64_t C = 0;           // File: amount (bytes moved, a file's size); Hash/End: the hash
  std::string Name;              // File: the file's name, without its folder
  std::vector<std::byte> Bytes;  // File (Read): what was read
};

// Records a session to a file. Writes go out in small batches at presses,
// saves and the end; a failure to write stops the recording, says so once
// on standard error, and never the game.
class TapeRecorder final : public SessionTape {
 public:
  TapeRecorder(const GameState& state, FileOps& files);
  ~TapeRecorder() override;
  TapeRecorder(const TapeRecorder&) = delete;
  TapeRecorder& operator=(const TapeRecorder&) = delete;

  // Opens a new recording in `folder` (made when missing), named by the
  // time, removing the oldest so that at most `keep` remain. False (said on
  // standard error) when it cannot: the game goes on unrecorded.
  bool Open(const std::filesystem::path& folder, int keep = 10);
  // Records into a memory buffer only (tests, the headless driver).
  void OpenInMemory();
  const std::string& Bytes() const { return bytes_; }
  const std::filesystem::path& Path() const { return path_; }
  // Ends the recording with the state's hash.
  void Finish();

  void Started(std::int64_t now, ClientSize client) override;
  void Ticked(std::int64_t now, std::int64_t due, ClientSize client) override;
  void Pressed(bool down, int x, int y, std::int64_t now, ClientSize client) override;
  void Closed(std::int64_t now, ClientSize client) override;
  void Settled(std::uint64_t hash) override;
  bool MessageShown(bool shown) override;

  // The save slot's file calls go through this: done for real, and noted.
  FileOps& Files() { return *files_; }

 private:
  class RecordingFiles;
  void NoteFile(FileCall call, const std::filesystem::path& path, int result, std::uint64_t amount,
                std::span<const std::byte> read = {});
  void NoteSize(ClientSize client);
  void FlushRun();
  void Put(std::uint64_t v);
  void PutSigned(std::int64_t v);
  void PutNow(std::int64_t now);
  void Flush();

  const GameState& state_;
  std::unique_ptr<FileOps> files_;
  std::string bytes_;  // the whole recording in memory, or what waits to be written
  bool inMemory_ = false;
  std::FILE* file_ = nullptr;
  std::filesystem::path path_;
  std::int64_t lastNow_ = 0;
  std::uint64_t onTime_ = 0;  // RunDue calls on time, not yet written
  ClientSize client_{-1, -1};
  std::optional<std::uint32_t> settled_;  // the hash last written
  bool finished_ = false;
};

// Reads a recording and plays it back into a game: the tape ScreenSet
// and the save slot's file calls consult. Every read value is untrusted.
class TapePlayer final : public SessionTape {
 public:
  // False with the reason (naming `name`) when the bytes are no recording
  // of a version this game can play.
  bool Load(std::string bytes, std::string name, std::string& error);
  const std::string& RecordedVersion() const { return version_; }

  // The next event, or nothing at the end of the file; false with the
  // reason when the file is damaged there.
  bool Next(TapeEvent& event, std::string& error);
  // The event last read, for messages: "event 12 (byte 345)".
  std::string Position() const;
  // Where in the file the event last read begins.
  std::size_t EventStart() const { return eventStart_; }

  // A mismatch found inside the game (a file call or a message box the
  // recording does not have): the first one, for the driver to report.
  const std::string& Divergence() const { return divergence_; }
  void Diverged(std::string why);
  // What a recording that ends before the session's end says.
  std::string CutOff() const { return name_ + ": the recording is cut off before the session's end"; }
  // The next event, which must carry `tag`: otherwise the divergence (or
  // the damage, or the cut-off end) is noted and the answer is false.
  bool Expect(TapeTag tag, TapeEvent& event, std::string_view otherwise);

  // File calls answered from the recording: reads give the recorded
  // bytes; writes are made for real in `folder` as well, so that playing a
  // session back leaves the slot it saved.
  FileOps& Files(std::filesystem::path folder);

  void Started(std::int64_t, ClientSize) override {}
  void Ticked(std::int64_t, std::int64_t, ClientSize) override {}
  void Pressed(bool, int, int, std::int64_t, ClientSize) override {}
  void Closed(std::int64_t, ClientSize) override {}
  void Settled(std::uint64_t hash) override;
  bool MessageShown(bool shown) override;
  bool Playing() const override { return true; }

 private:
  class PlayingFiles;
  bool Get(std::uint64_t& v);
  bool GetSigned(std::int64_t& v);
  bool GetNow(std::int64_t& now);

  std::string bytes_;
  std::string name_;
  std::string version_;
  std::size_t at_ = 0;
  std::size_t event_ = 0;
  std::size_t eventStart_ = 0;
  std::int64_t lastNow_ = 0;
  std::uint64_t onTimeLeft_ = 0;
  std::optional<TapeEvent> peeked_;
  std::string divergence_;
  std::optional<std::uint64_t> settled_;  // the hash last read
  std::string press_;  // the last press, release or close read: "press at event 9 (byte 40)"
  std::unique_ptr<FileOps> files_;
  friend class PlayingFiles;
};

class ScreenSet;

// How a playback meets the world: the window's size as recorded (at the
// start and at each change), and each moment before the game reaches it,
// the session's start first (false stops the playback, as a player closing
// the window does).
struct PlaybackHooks {
  std::function<void(ClientSize)> Client;
  std::function<bool(std::int64_t)> Until;
  std::int64_t MostTicks = std::int64_t{1} << 26;  // so that a damaged count cannot run for ever
};

enum class PlaybackEnd { Agreed, Stopped, Failed };

// Plays the loaded tape into `screens` (whose tape it must be) from its
// start to its end, checking the game's state against it. Failed, with
// the file, the event and the reason in `error`, at the first difference
// or damage.
PlaybackEnd PlayTape(ScreenSet& screens, TapePlayer& tape, const GameState& state, const PlaybackHooks& hooks,
                     std::string& error);

}  // namespace vantoro
