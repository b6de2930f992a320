#include "app/driver.hpp"

#include <algorithm>
#include <charconv>
#include <climits>
#include <fstream>
#include <iostream>
#include <sstream>

#include "state/field_access.hpp"
#include "state/state_json.hpp"
#include "ui/picture_io.hpp"

namespace vantoro {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// Splits off the first word of s.
std::string_view NextWord(std::string_view& s) {
  s = Trim(s);
  const std::size_t end = s.find_first_of(" \t");
  const std::string_view word = s.substr(0, end);
  s = end == std::string_view::npos ? std::string_view() : Trim(s.substr(end));
  return word;
}

bool ParseNumber(std::string_view text, std::int64_t& out) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && end == text.data() + text.size();
}

bool NumberArgs(std::string_view rest, std::int64_t& a, std::int64_t* b, std::string& error) {
  const std::string_view first = NextWord(rest);
  const std::string_view second = b ? NextWord(rest) : std::string_view();
  if (!ParseNumber(first, a) || (b && !ParseNumber(second, *b)) || !rest.empty()) {
    error = b ? "expected two whole numbers" : "expected a whole number";
    return false;
  }
  return true;
}

}  // namespace

Driver::Driver(FontLibrary& fonts, PictureSet& pictures, std::filesystem::path saveFolder, bool record)
    : state_(std::make_unique<GameState>()),
      recorder_(record ? std::make_unique<TapeRecorder>(*state_, RealFileOps()) : nullptr),
      game_(*state_, platform_, fonts, pictures, std::move(saveFolder),
            recorder_ ? recorder_->Files() : RealFileOps()) {
  if (recorder_) {
    recorder_->OpenInMemory();
    game_.Screens().SetTape(recorder_.get());
  }
  game_.Screens().Start(0);
}

std::string Driver::FinishRecording() {
  if (!recorder_) return {};
  recorder_->Finish();
  return recorder_->Bytes();
}

void Driver::Wait(std::int64_t ms) {
  ScreenSet& screens = game_.Screens();
  const std::int64_t target = screens.Now() + std::max<std::int64_t>(ms, 0);
  // Step the virtual clock from one due tick to the next, so that no tick
  // is ever late.
  screens.CatchUp(target);
  screens.RunDue(target);
}

void Driver::PressWindow(int x, int y) {
  game_.Screens().MouseDown(x, y);
  game_.Screens().MouseUp(x, y);
}

void Driver::PressFrame(int x, int y) {
  const auto visible = game_.Screens().VisibleScreen();
  const ClientSize client = platform_.GetClientSize();
  const FrameOrigin origin =
      visible ? game_.Screens().OriginOf(*visible) : ScreenSet::OriginFor(ScreenSet::LogicalSize(client));
  // The centre of the frame pixel's square of window pixels.
  const int scale = ScreenSet::ScaleFor(client);
  const auto toWindow = [scale](int start, int at) {
    const long long w = (1LL * start + at) * scale + scale / 2;
    return static_cast<int>(std::clamp<long long>(w, INT_MIN, INT_MAX));
  };
  PressWindow(toWindow(origin.Left, x), toWindow(origin.Top, y));
}

std::string Driver::VisibleScreenName() const {
  const auto visible = game_.Screens().VisibleScreen();
  return visible ? std::string(kScreenTable[static_cast<std::size_t>(*visible)].Name) : "none";
}

std::string DumpState(const ScreenSet& screens, const GameState& state) {
  nlohmann::ordered_json json;
  const auto visible = screens.VisibleScreen();
  json["screen"] = visible ? std::string(kScreenTable[static_cast<std::size_t>(*visible)].Name) : "none";
  json["time_ms"] = screens.Now();
  json["seed"] = state.Rng.Seed;
  json["Team"] = TeamToJson(state.Team);
  json["League"] = LeagueToJson(state.League);
  json["Runtime"] = RuntimeToJson(state.Runtime);
  return json.dump(2);
}

std::string Driver::DumpJson() const { return DumpState(game_.Screens(), *state_); }

bool ParseScriptLine(std::string_view line, ScriptLine& out, std::string& error) {
  using Kind = ScriptLine::Kind;
  out = ScriptLine{};
  if (const std::size_t hash = line.find('#'); hash != std::string_view::npos) {
    // A '#' starts a comment, except inside the value of set and expect.
    const std::string_view head = Trim(line);
    if (!(head.starts_with("set ") || head.starts_with("expect "))) line = line.substr(0, hash);
  }
  std::string_view rest = line;
  const std::string_view command = NextWord(rest);
  out.Rest = rest;
  if (command.empty()) return true;
  if (command == "client") {
    out.What = Kind::Client;
    if (!NumberArgs(rest, out.A, &out.B, error)) return false;
    out.A = std::clamp<std::int64_t>(out.A, 0, 1 << 16);
    out.B = std::clamp<std::int64_t>(out.B, 0, 1 << 16);
  } else if (command == "wait") {
    out.What = Kind::Wait;
    if (!NumberArgs(rest, out.A, nullptr, error)) return false;
  } else if (command == "press" || command == "press-window") {
    out.What = command == "press" ? Kind::Press : Kind::PressWindow;
    if (!NumberArgs(rest, out.A, &out.B, error)) return false;
    out.A = std::clamp<std::int64_t>(out.A, -(1 << 20), 1 << 20);
    out.B = std::clamp<std::int64_t>(out.B, -(1 << 20), 1 << 20);
  } else if (command == "close") {
    out.What = Kind::Close;
  } else if (command == "message-boxes") {
    // "fail": as on a desktop where no message box can open.
    out.What = Kind::MessageBoxes;
    if (rest != "fail" && rest != "open") {
      error = "message-boxes takes fail or open";
      return false;
    }
  } else if (command == "seed") {
    out.What = Kind::Seed;
    if (!NumberArgs(rest, out.A, nullptr, error)) return false;
  } else if (command == "set" || command == "expect") {
    out.What = command == "set" ? Kind::Set : Kind::Expect;
    out.Name = NextWord(rest);
    out.Rest = rest;
  } else if (command == "expect-screen") {
    out.What = Kind::ExpectScreen;
  } else if (command == "screenshot") {
    out.What = Kind::Screenshot;
    if (rest.empty()) {
      error = "screenshot needs a file name";
      return false;
    }
  } else if (command == "dump") {
    out.What = Kind::Dump;
  } else {
    error = "unknown command '" + std::string(command) + "'";
    return false;
  }
  return true;
}

bool Driver::Execute(std::string_view text, std::string& error) {
  using Kind = ScriptLine::Kind;
  ScriptLine line;
  if (!ParseScriptLine(text, line, error)) return false;
  const std::string_view rest = line.Rest;
  switch (line.What) {
    case Kind::Empty: break;
    case Kind::Client: platform_.SetClientSize({static_cast<int>(line.A), static_cast<int>(line.B)}); break;
    case Kind::Wait: Wait(line.A); break;
    case Kind::Press: PressFrame(static_cast<int>(line.A), static_cast<int>(line.B)); break;
    case Kind::PressWindow: PressWindow(static_cast<int>(line.A), static_cast<int>(line.B)); break;
    case Kind::Close: Close(); break;
    case Kind::MessageBoxes: platform_.MessageBoxesFail = rest == "fail"; break;
    case Kind::Seed: state_->Rng.Seed = static_cast<std::uint32_t>(line.A); break;
    case Kind::Set: return SetField(*state_, line.Name, rest, error);
    case Kind::Expect: {
      nlohmann::json value;
      if (!GetField(*state_, line.Name, value, error)) return false;
      const std::string actual = value.is_string() ? value.get<std::string>() : value.dump();
      if (actual != rest) {
        error = std::string(line.Name) + " is " + actual + ", expected " + std::string(rest);
        return false;
      }
      break;
    }
    case Kind::ExpectScreen:
      if (const std::string visible = VisibleScreenName(); visible != rest) {
        error = "the visible screen is " + visible + ", expected " + std::string(rest);
        return false;
      }
      break;
    case Kind::Screenshot: return WritePngFile(std::string(rest), platform_.LastFrame(), error);
    case Kind::Dump:
      if (rest.empty() || rest == "-") {
        std::cout << DumpJson() << '\n';
      } else {
        std::ofstream out{std::string(rest)};
        out << DumpJson() << '\n';
        if (!out) {
          error = std::string(rest) + ": cannot write the dump";
          return false;
        }
      }
      break;
  }
  return true;
}

int Driver::Run(std::istream& script, std::ostream& err) {
  std::string line;
  for (int number = 1; std::getline(script, line); ++number) {
    std::string error;
    if (!Execute(line, error)) {
      err << "line " << number << ": " << error << '\n';
      return 1;
    }
    // A window shows only the rows a frame reports drawn: any other change
    // would be left stale on the screen.
    if (platform_.StaleRows() > 0) {
      err << "line " << number << ": " << platform_.StaleRows()
          << " changed rows of a frame were not reported drawn\n";
      return 1;
    }
    // Closing the title ends the game, and so the script.
    if (Screens().QuitRequested()) return 0;
  }
  return 0;
}

}  // namespace vantoro
