#pragma once
// The player's platform: one maximised SDL2 window that shows whichever
// screen is visible, with that screen's caption, and one loop on the main
// thread that sleeps until the next tick is due or an event arrives.

#include <memory>
#include <optional>
#include <string>

#include "ui/font.hpp"
#include "ui/image.hpp"
#include "ui/platform.hpp"

namespace vantoro {

class ScreenSet;
class TapePlayer;
struct GameState;

// What SDL reads from the environment as it starts. No session bus is to
// be launched (below). And the C locale: the game takes no typed text, so
// it needs no input method, but SDL opens one for the locale the
// environment names, and Xlib then reads that locale's table of compose
// sequences, thousands of lines a character at a time, before the first
// frame; the C locale's is next to empty (and SDL's own switch of the
// process's locale, while the fonts load, then leaves it as it was).
// The environment may change only while no other thread can read it: make
// this in main before any thread starts, and end it once every thread
// that SDL's start overlapped has been joined. The locale is then put back.
class SdlStartEnvironment {
 public:
  SdlStartEnvironment();
  ~SdlStartEnvironment();
  SdlStartEnvironment(const SdlStartEnvironment&) = delete;
  SdlStartEnvironment& operator=(const SdlStartEnvironment&) = delete;

 private:
  std::optional<std::string> oldLocale_;
};

class SdlPlatform final : public Platform {
 public:
  SdlPlatform();
  ~SdlPlatform() override;
  SdlPlatform(const SdlPlatform&) = delete;
  SdlPlatform& operator=(const SdlPlatform&) = delete;

  // False, with a reason, when no window can be opened. The window shows
  // nothing until the first frame is presented.
  bool Open(std::string& error);
  // The window's icon; SDL keeps a copy.
  void SetIcon(const Image& icon);
  // Runs the game until the title screen's window is closed (0), a request
  // to end arrives (SIGINT, SIGTERM or SIGHUP: 0), or another program
  // destroys the window (1, said on standard error). The status to exit with.
  int Run(ScreenSet& screens);
  // Plays a recorded session back in the window at the speed it was
  // played, the window sized as it was: presses are ignored; closing the
  // window, or a request to end, stops it. 0 when it played to its end or
  // was stopped; 1, with the reason in `error`, when the game differed from
  // the recording or the recording is damaged.
  int Replay(ScreenSet& screens, TapePlayer& tape, const GameState& state, std::string& error);
  // An error that ends the game, shown to the player before it ends: in the
  // desktop's box, or where none can open, in the frame until a press or
  // the window's close. Text in `font`; without one the frame shows only
  // the box.
  void ShowFatal(std::string_view title, std::string_view text, const Font* font);
  // Milliseconds since SDL started.
  static std::int64_t Ticks();

  ClientSize GetClientSize() override;
  void Present(const Image& frame, int left, int top, int scale, DrawnParts drawn) override;
  void SetCaption(std::string_view caption) override;
  bool ShowMessage(std::string_view title, std::string_view text) override;
  bool TakeFrameLost() override;

 private:
  void Repaint();
  // Whether another program destroyed the window; said on standard error.
  bool WindowLost();
  // For a loop that only shows the window: waits up to `wait` ms for its
  // events, repainting as asked. False when it is to close (its close
  // button, a quit, and with `pressEnds` a press).
  bool ServeWindow(int wait, bool pressEnds);
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// For errors before any window exists (a missing picture at start-up).
void ShowStartupError(std::string_view title, std::string_view text);

}  // namespace vantoro
