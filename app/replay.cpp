#include "app/replay.hpp"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <memory>
#include <ostream>
#include <system_error>

#include "app/driver.hpp"
#include "app/game.hpp"
#include "ui/headless_platform.hpp"
#include "ui/picture_io.hpp"
#include "ui/session_tape.hpp"

namespace vantoro {
namespace {

constexpr std::uintmax_t kMostRecordingBytes = 64u << 20;

class Playback {
 public:
  Playback(const std::string& name, FontLibrary& fonts, PictureSet& pictures,
           const std::filesystem::path& folder, const ReplayOptions& options)
      : name_(name),
        options_(options),
        state_(std::make_unique<GameState>()),
        game_(*state_, platform_, fonts, pictures, folder, tape_.Files(folder)) {
    platform_.EchoMessages = false;
    taken_.assign(options_.Screenshots.size(), false);
    game_.Screens().SetTape(&tape_);
  }

  int Run(const std::string& recording, std::ostream& err) {
    std::string error;
    if (!tape_.Load(recording, name_, error)) return Fail(err, error);
    PlaybackHooks hooks;
    hooks.Client = [this](ClientSize size) { platform_.SetClientSize(size); };
    // The first moment is the session's start, which screenshots count from.
    bool started = false;
    hooks.Until = [this, &started](std::int64_t now) {
      if (!started) start_ = now;
      started = true;
      Shoot(now);
      return true;
    };
    hooks.MostTicks = options_.MostTicks;
    if (PlayTape(game_.Screens(), tape_, *state_, hooks, error) != PlaybackEnd::Agreed)
      return Fail(err, error);
    Shoot(INT64_MAX);
    if (!options_.Dump.empty()) {
      std::ofstream out(options_.Dump);
      out << DumpState(game_.Screens(), *state_) << '\n';
      if (!out) return Fail(err, options_.Dump + ": cannot write the dump");
    }
    return shotFailed_ ? 1 : 0;
  }

 private:
  // Takes the screenshots due before the clock reaches `now`.
  void Shoot(std::int64_t now) {
    for (std::size_t i = 0; i < options_.Screenshots.size(); ++i) {
      if (taken_[i] || start_ + options_.Screenshots[i].first > now) continue;
      taken_[i] = true;
      std::string error;
      if (!WritePngFile(options_.Screenshots[i].second, platform_.LastFrame(), error)) {
        shotFailed_ = true;
        std::cerr << error << '\n';
      }
    }
  }
  static int Fail(std::ostream& err, const std::string& why) {
    err << why << '\n';
    return 1;
  }

  std::string name_;
  const ReplayOptions& options_;
  TapePlayer tape_;
  HeadlessPlatform platform_;
  std::unique_ptr<GameState> state_;
  Game game_;
  std::int64_t start_ = 0;
  std::vector<bool> taken_;
  bool shotFailed_ = false;
};

}  // namespace

bool ReadRecording(const std::filesystem::path& file, std::string& bytes, std::string& error) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(file, ec);
  if (ec) {
    error = file.string() + ": " + ec.message();
    return false;
  }
  if (size > kMostRecordingBytes) {
    error = file.string() + ": larger than any recording (" + std::to_string(size) + " bytes)";
    return false;
  }
  std::ifstream in(file, std::ios::binary);
  bytes.assign(static_cast<std::size_t>(size), '\0');
  if (!in.read(bytes.data(), static_cast<std::streamsize>(size))) {
    error = file.string() + ": cannot be read";
    return false;
  }
  return true;
}

int PlayBack(const std::string& recording, const std::string& name, FontLibrary& fonts, PictureSet& pictures,
             const std::filesystem::path& folder, const ReplayOptions& options, std::ostream& err) {
  Playback playback(name, fonts, pictures, folder, options);
  return playback.Run(recording, err);
}

}  // namespace vantoro
