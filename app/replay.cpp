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
    ScreenSet& screens = game_.Screens();
    TapeEvent event;
    if (!tape_.Next(event, error) || event.Tag != TapeTag::Start)
      return Fail(err,
                  error.empty() ? name_ + ": the recording does not begin with the session's start" : error);
    start_ = event.Now;
    platform_.SetClientSize(Size(event));
    screens.Start(event.Now);
    bool ended = false;
    while (!ended && tape_.Next(event, error)) {
      switch (event.Tag) {
        case TapeTag::OnTime:
          for (std::int64_t i = 0; i < event.A && tape_.Divergence().empty(); ++i) {
            const auto due = screens.NextDue();
            if (!due) {
              tape_.Diverged("the recording has ticks where the game has none running");
              break;
            }
            if (!Tick(*due, err)) return 1;
          }
          break;
        case TapeTag::Late:
          if (!screens.NextDue() || *screens.NextDue() > event.Now) {
            tape_.Diverged("the recording has a tick due where the game has none");
          } else if (!Tick(event.Now, err)) {
            return 1;
          }
          break;
        case TapeTag::Down:
        case TapeTag::Up:
        case TapeTag::Close:
          Shoot(event.Now);
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
        case TapeTag::Client: platform_.SetClientSize(Size(event)); break;
        case TapeTag::End:
          ended = true;
          if (event.C != StateHash(*state_))
            tape_.Diverged("the game ends in another state than the recorded one");
          break;
        case TapeTag::Start: tape_.Diverged("a second start"); break;
        default: tape_.Diverged("the recording has a file call, message or save the game did not make here");
      }
      if (!tape_.Divergence().empty()) return Fail(err, tape_.Divergence());
    }
    if (!error.empty()) return Fail(err, error);
    if (!ended) return Fail(err, name_ + ": the recording is cut off before the session's end");
    Shoot(INT64_MAX);
    if (!options_.Dump.empty()) {
      std::ofstream out(options_.Dump);
      out << DumpState(screens, *state_) << '\n';
      if (!out) return Fail(err, options_.Dump + ": cannot write the dump");
    }
    return shotFailed_ ? 1 : 0;
  }

 private:
  static ClientSize Size(const TapeEvent& e) {
    return {static_cast<int>(std::clamp<std::int64_t>(e.A, 0, 1 << 16)),
            static_cast<int>(std::clamp<std::int64_t>(e.B, 0, 1 << 16))};
  }
  bool Tick(std::int64_t now, std::ostream& err) {
    if (++ticks_ > options_.MostTicks) {
      Fail(err, name_ + ": more ticks than any session has (" + std::to_string(options_.MostTicks) + ")");
      return false;
    }
    Shoot(now);
    game_.Screens().RunDue(now);
    return true;
  }
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
  int Fail(std::ostream& err, const std::string& why) {
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
  std::int64_t ticks_ = 0;
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
