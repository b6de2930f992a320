#include "ui/sdl_platform.hpp"

#include <SDL.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "ui/canvas.hpp"
#include "ui/frame_diff.hpp"
#include "ui/screen_set.hpp"
#include "ui/session_tape.hpp"
#include "ui/x11_display.hpp"

namespace vantoro {

// Frames go straight into the window's own surface: no renderer, so no
// software OpenGL on machines without a graphics driver, and only the
// frame's rectangle is sent to the display each tick.
struct SdlPlatform::Impl {
  SDL_Window* window = nullptr;
  SDL_Surface* target = nullptr;  // the window's surface, as last seen
  bool frameLost = false;         // a new window surface lost the last frame
  int left = 0, top = 0, scale = 1;
  bool direct = false;         // the surface is compared and written directly
  bool needsFullPaint = true;  // borders to clear: new, resized or moved
  Image shown;                 // otherwise, what the window shows now, to send only what changed
  void* x11 = nullptr;         // the X server's connection, to sleep on between ticks
  bool blackBehind = false;    // the X server paints the window black behind the frame
  FrameChanges changes;        // this tick's, kept for their room
  std::vector<SDL_Rect> sent;
  std::optional<ClientSize> played;  // in a playback, the window's size as recorded
};

namespace {

// A request from outside to end (an interrupt from the terminal, the
// session ending, kill): the handler notes it and wakes the loop through a
// pipe, since the signal may reach any of the program's threads, and the
// loop ends the game before its next tick.
volatile std::sig_atomic_t stopSignal = 0;
int wakeRead = -1, wakeWrite = -1;

extern "C" void NoteStop(int signal) {
  const int saved = errno;
  stopSignal = signal;
  if (wakeWrite >= 0) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(wakeWrite, &byte, 1);
  }
  errno = saved;
}

// SDL's own handlers would only queue a quit event, which nothing reads
// while a message box is open, and which would not cut a sleep short.
void CatchStopRequests() {
  if (wakeRead < 0) {
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) == 0) {
      wakeRead = ends[0];
      wakeWrite = ends[1];
    }
  }
  struct sigaction action {};
  action.sa_handler = NoteStop;
  sigemptyset(&action.sa_mask);
  for (int signal : {SIGINT, SIGTERM, SIGHUP}) sigaction(signal, &action, nullptr);
}

bool StopRequested() { return stopSignal != 0; }

// The programs this process started: SDL shows its message boxes from a
// child process and waits for it, through any signal. Ending that child
// ends the wait.
void EndChildren() {
  const std::string self = std::to_string(::getpid());
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator("/proc", ec)) {
    const std::string pid = entry.path().filename().string();
    if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    if (!std::getline(stat, line)) continue;
    // pid (name) state ppid ...: the name may hold blanks and brackets.
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos) continue;
    std::string state, parent;
    std::istringstream rest(line.substr(close + 1));
    if (rest >> state >> parent && parent == self) ::kill(std::stoi(pid), SIGKILL);
  }
}

// Waits up to `wait` ms for the next event. SDL_WaitEventTimeout pumps
// SDL's events twice each time (on entry, and again as its own wait
// begins), and Xlib's check of the socket in each pump is several system
// calls; on X11 this pumps once, and not at all when the wait runs out:
// an idle window then costs one pump per tick.
bool WaitForEvent(void* x11, SDL_Event& event, int wait) {
  // Without X there is no sleep a request to end can cut short: wake often
  // enough to end within a second.
  if (!x11) return SDL_WaitEventTimeout(&event, std::min(wait, 200)) != 0;
  if (SDL_PollEvent(&event)) return true;  // what arrived while the tick drew
  if (wait <= 0) return false;
  // Events SDL queued outside a pump are due now; the socket would not tell.
  if (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0 ||
      SleepOnX11(x11, wait, wakeRead)) {
    return SDL_PollEvent(&event);  // an interrupt becomes SDL's quit event here
  }
  return false;
}

// Gives the window the usable area of its display (without the desktop's
// panels), as maximising would have.
void FillUsableArea(SDL_Window* window) {
  const int display = SDL_GetWindowDisplayIndex(window);
  SDL_Rect usable;
  if (display < 0 || SDL_GetDisplayUsableBounds(display, &usable) != 0 || usable.w <= 0 || usable.h <= 0)
    return;
  SDL_SetWindowPosition(window, usable.x, usable.y);
  SDL_SetWindowSize(window, usable.w, usable.h);
}

}  // namespace

namespace {

// SDL asks the desktop's session bus for its screen saver and input
// methods. On a desktop without one, the bus library would try to start
// one by running dbus-launch, which costs start-up time and leaves a bus
// running that nobody stops. With no bus address given and no bus at its
// usual place, there is no bus to use: an address of no known kind makes
// the library give up at once, and SDL carries on without.
void AvoidSessionBusLaunch() {
  const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
  if (address != nullptr && *address != '\0') return;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime != nullptr && *runtime != '\0') {
    struct stat st {};
    if (::stat((std::string(runtime) + "/bus").c_str(), &st) == 0 && S_ISSOCK(st.st_mode)) return;
  }
  ::setenv("DBUS_SESSION_BUS_ADDRESS", "disabled:", 1);
}

}  // namespace

namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The displays the environment names, for messages: "DISPLAY=:0".
std::string DisplaysNamed() {
  std::string named;
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
    if (Variable(name).empty()) continue;
    named += (named.empty() ? "" : " or ") + std::string(name) + "=" + Variable(name);
  }
  return named;
}

// Only the display servers the environment names are tried, so that
// without a display the game's own message comes first, not the complaint
// of a library tried in vain. SDL_VIDEODRIVER, when set, still decides.
bool ChooseDisplayDrivers(std::string& error) {
  if (!Variable("SDL_VIDEODRIVER").empty()) return true;
  std::string drivers;
  if (!Variable("DISPLAY").empty()) drivers = "x11";
  if (!Variable("WAYLAND_DISPLAY").empty()) drivers += drivers.empty() ? "wayland" : ",wayland";
  if (drivers.empty()) {
    error =
        "Cannot open a display: no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY "
        "is set). Start the game from a graphical desktop.";
    return false;
  }
  SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
  return true;
}

}  // namespace

SdlStartEnvironment::SdlStartEnvironment() {
  AvoidSessionBusLaunch();
  if (const char* all = std::getenv("LC_ALL")) oldLocale_ = all;
  ::setenv("LC_ALL", "C", 1);
}

SdlStartEnvironment::~SdlStartEnvironment() {
  if (oldLocale_) {
    ::setenv("LC_ALL", oldLocale_->c_str(), 1);
  } else {
    ::unsetenv("LC_ALL");
  }
}

SdlPlatform::SdlPlatform() : impl_(std::make_unique<Impl>()) {}

SdlPlatform::~SdlPlatform() {
  // SDL waits for the server to confirm that a window it closes is hidden,
  // which a destroyed window never is: then the process's end tidies up.
  SDL_Event none{};
  if (impl_->window && X11WindowLost(none)) return;
  if (impl_->window) SDL_DestroyWindow(impl_->window);
  SDL_Quit();
}

std::int64_t SdlPlatform::Ticks() { return static_cast<std::int64_t>(SDL_GetTicks64()); }

bool SdlPlatform::Open(std::string& error) {
  // The close button closes the visible screen, not the program: only the
  // title screen's close, or an interrupt from the terminal, ends it.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // The frame is drawn in memory; the window only shows it. Without this
  // SDL would route the copy through OpenGL, which on a machine without a
  // graphics driver means rendering in software on extra threads.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // Only drivers that show a window (below): without a display SDL would
  // otherwise fall back to drawing off screen, and the game would run
  // unseen.
  // Before SDL starts: SDL keeps the handler it finds and puts it back when
  // it quits, just before it closes its connections to the X server, which
  // is when an error from its last wake-up message to the window arrives.
  ReportXErrorsAsWarnings();
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  CatchStopRequests();
  if (!ChooseDisplayDrivers(error)) return false;
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    error = "Cannot open the display " + DisplaysNamed() + ": " + SDL_GetError() + ".";
    return false;
  }
  impl_->window = SDL_CreateWindow(std::string(kApplicationTitle).c_str(), SDL_WINDOWPOS_CENTERED,
                                   SDL_WINDOWPOS_CENTERED, Canvas::kWidth, Canvas::kHeight,
                                   SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED | SDL_WINDOW_HIDDEN);
  if (!impl_->window) {
    error = std::string("cannot open a window: ") + SDL_GetError();
    return false;
  }
  impl_->x11 = X11DisplayOf(impl_->window);
  X11WatchWindow(impl_->window);
  impl_->blackBehind = X11PaintBlackBehind(impl_->window);
  // On an X server without a window manager (a kiosk, a bare session, a
  // virtual display) nothing acts on the request to maximise, and the
  // frame would sit unscaled in an 800 x 600 window. Asking the manager
  // beforehand, rather than waiting to see whether the window grew, leaves
  // a desktop that maximises a little late alone. The window is still
  // hidden: SDL waits to see a shown window move and grow, but a hidden
  // one does at once.
  if (impl_->x11 && !X11CanMaximise(impl_->x11)) FillUsableArea(impl_->window);
  SDL_ShowWindow(impl_->window);
  if (!SDL_GetWindowSurface(impl_->window)) {
    error = std::string("cannot draw in the window: ") + SDL_GetError();
    return false;
  }
  // No black painted first: the first frame paints the whole window, and
  // a window-sized copy to the display costs as much as that frame.
  return true;
}

void SdlPlatform::SetIcon(const Image& icon) {
  if (!impl_->window || icon.Width <= 0) return;
  // The surface borrows the pixels; SDL copies them for the window.
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(icon.Pixels.data()), icon.Width,
                                         icon.Height, 32, icon.Width * 4, SDL_PIXELFORMAT_RGB888);
  if (surface) {
    SDL_SetWindowIcon(impl_->window, surface);
    SDL_FreeSurface(surface);
  }
}

ClientSize SdlPlatform::GetClientSize() {
  if (impl_->played) return *impl_->played;
  ClientSize size;
  if (impl_->window) SDL_GetWindowSize(impl_->window, &size.Width, &size.Height);
  return size;
}

void SdlPlatform::Present(const Image& frame, int left, int top, int scale, DrawnParts drawn) {
  SDL_Surface* target = SDL_GetWindowSurface(impl_->window);
  if (!target || frame.Width <= 0 || frame.Height <= 0 || scale < 1) {
    impl_->needsFullPaint = true;  // what the window shows is no longer known
    return;
  }
  // A window surface of the frame's own format that holds all of the frame
  // at scale 1 is itself the record of what the window shows: the frame is
  // compared with it and copied into it, with no copy of its own kept.
  const bool direct = scale == 1 && target->format->format == SDL_PIXELFORMAT_RGB888 &&
                      !SDL_MUSTLOCK(target) && left >= 0 && top >= 0 && left + frame.Width <= target->w &&
                      top + frame.Height <= target->h;
  if (target != impl_->target || left != impl_->left || top != impl_->top || scale != impl_->scale ||
      direct != impl_->direct) {
    impl_->needsFullPaint = true;
    if (direct) impl_->shown = Image();  // the surface keeps the record now
  }
  impl_->target = target;
  impl_->left = left;
  impl_->top = top;
  impl_->scale = scale;
  impl_->direct = direct;
  const std::ptrdiff_t pitch = target->pitch / 4;  // in pixels: 32 bits each
  std::uint32_t* const origin =
      direct ? static_cast<std::uint32_t*>(target->pixels) + top * pitch + left : nullptr;
  // Every tick draws the whole frame, but usually little of it changes:
  // only the areas that did go to the display, and nothing when none did.
  FrameChanges& changes = impl_->changes;
  if (impl_->needsFullPaint) {
    changes.Areas.assign(1, FrameArea{0, 0, frame.Width, frame.Height});
    changes.Rows.clear();
  } else {
    FindChanges(frame, direct ? PixelsView{origin, pitch, frame.Width, frame.Height} : ViewOf(impl_->shown),
                drawn, changes);
    if (changes.Areas.empty()) return;
  }
  // The borders around the frame go black: on X by the server itself, so
  // that only the frame is sent rather than the whole window.
  if (impl_->needsFullPaint && impl_->blackBehind) {
    X11ClearWindow(impl_->window);
  } else if (impl_->needsFullPaint) {
    SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
  }
  std::vector<SDL_Rect>& sent = impl_->sent;
  sent.clear();
  if (direct) {
    CopyChanges(origin, pitch, frame, changes);
    for (const FrameArea& area : changes.Areas)
      sent.push_back(SDL_Rect{left + area.Left, top + area.Top, area.Width, area.Height});
  } else {
    if (impl_->shown.Width != frame.Width || impl_->shown.Height != frame.Height) {
      impl_->shown = frame;
    } else {
      CopyChanges(impl_->shown, frame, changes);
    }
    // The window's surface keeps the frame between ticks; this surface only
    // borrows the frame's pixels for the copy.
    SDL_Surface* source =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(frame.Pixels.data()), frame.Width,
                                           frame.Height, 32, frame.Width * 4, SDL_PIXELFORMAT_RGB888);
    if (!source) {
      impl_->needsFullPaint = true;
      return;
    }
    for (const FrameArea& area : changes.Areas) {
      SDL_Rect from{area.Left, area.Top, area.Width, area.Height};
      SDL_Rect dest{(left + area.Left) * scale, (top + area.Top) * scale, area.Width * scale,
                    area.Height * scale};
      if (scale == 1) {
        SDL_BlitSurface(source, &from, target, &dest);  // clips, and leaves dest as drawn
      } else {
        // Whole factors: each frame pixel becomes an exact square of window pixels.
        SDL_BlitScaled(source, &from, target, &dest);
      }
      if (dest.w > 0 && dest.h > 0) sent.push_back(dest);
    }
    SDL_FreeSurface(source);
  }
  if (impl_->needsFullPaint && !impl_->blackBehind) {
    SDL_UpdateWindowSurface(impl_->window);
  } else if (!sent.empty()) {
    SDL_UpdateWindowSurfaceRects(impl_->window, sent.data(), static_cast<int>(sent.size()));
  }
  impl_->needsFullPaint = false;
}

void SdlPlatform::Repaint() {
  if (impl_->blackBehind) {
    // The server has painted what was uncovered black; the next tick sends
    // the whole frame again.
    impl_->needsFullPaint = true;
    impl_->frameLost = true;
    return;
  }
  SDL_Surface* target = SDL_GetWindowSurface(impl_->window);
  if (!target) return;
  if (target != impl_->target) {
    // A resized window has a new, empty surface: black until the visible
    // screen presents again.
    SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));
    impl_->target = target;
    impl_->needsFullPaint = true;
    impl_->frameLost = true;
  }
  SDL_UpdateWindowSurface(impl_->window);
}

bool SdlPlatform::TakeFrameLost() { return std::exchange(impl_->frameLost, false); }

void SdlPlatform::SetCaption(std::string_view caption) {
  if (impl_->window) SDL_SetWindowTitle(impl_->window, std::string(caption).c_str());
}

bool SdlPlatform::ShowMessage(std::string_view title, std::string_view text) {
  std::cerr << title << ": " << text << '\n';
  if (StopRequested()) return false;
  // While the box is open the loop waits for it; a request to end closes
  // the box, and the loop then ends the game.
  std::atomic<bool> closed{false};
  std::thread watcher([&closed] {
    while (!closed) {
      if (StopRequested()) {
        EndChildren();
        return;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
  });
  // Fails where SDL finds no way to draw a box (no core fonts and no
  // helper program on X, some Wayland desktops).
  const bool shown = SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, std::string(title).c_str(),
                                              std::string(text).c_str(), impl_->window) == 0;
  closed = true;
  watcher.join();
  return shown && !StopRequested();
}

int SdlPlatform::Run(ScreenSet& screens) {
  screens.Start(Ticks());
  while (!screens.QuitRequested()) {
    if (StopRequested()) return 0;
    if (WindowLost()) return 1;
    screens.RunDue(Ticks());
    if (screens.QuitRequested()) break;
    const std::int64_t now = Ticks();
    const auto next = screens.NextWake();
    const std::int64_t wait = next ? std::clamp<std::int64_t>(*next - now, 0, 1000) : 1000;
    SDL_Event event;
    const bool woken = WaitForEvent(impl_->x11, event, static_cast<int>(wait));
    // Ticks that did not wake the program fell due while it slept on
    // purpose: they run now, each at its own time. Lateness beyond the
    // planned sleep is a real stall, for the tick rule at the loop's top.
    screens.CatchUp(std::min(Ticks(), now + wait));
    if (!woken || screens.QuitRequested()) continue;
    do {
      if (X11WindowLost(event)) break;
      switch (event.type) {
        case SDL_QUIT: return 0;
        case SDL_WINDOWEVENT:
          if (event.window.event == SDL_WINDOWEVENT_CLOSE) {
            screens.CloseVisible();
          } else if (event.window.event == SDL_WINDOWEVENT_EXPOSED ||
                     event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            Repaint();
          }
          break;
        case SDL_MOUSEBUTTONDOWN:
          // Presses are handled between ticks: bring the clock up first.
          screens.RunDue(Ticks());
          screens.MouseDown(event.button.x, event.button.y);
          break;
        case SDL_MOUSEBUTTONUP:
          screens.RunDue(Ticks());
          screens.MouseUp(event.button.x, event.button.y);
          break;
        default: break;
      }
    } while (!screens.QuitRequested() && SDL_PollEvent(&event));
  }
  return 0;
}

int SdlPlatform::Replay(ScreenSet& screens, TapePlayer& tape, const GameState& state, std::string& error) {
  std::int64_t offset = 0;  // from the recording's clock to SDL's
  bool started = false;
  PlaybackHooks hooks;
  hooks.Client = [this](ClientSize size) {
    impl_->played = size;
    SDL_SetWindowSize(impl_->window, size.Width, size.Height);
  };
  // Waits for the moment, keeping the window painted; the player's presses
  // are not the recording's and go nowhere.
  hooks.Until = [&](std::int64_t moment) {
    if (!started) offset = Ticks() - moment;
    started = true;
    while (!StopRequested() && !WindowLost()) {
      const std::int64_t left = moment + offset - Ticks();
      if (left <= 0) return true;
      if (!ServeWindow(static_cast<int>(std::min<std::int64_t>(left, 1000)), false)) return false;
    }
    return false;
  };
  const PlaybackEnd end = PlayTape(screens, tape, state, hooks, error);
  SDL_Event none{};
  return end == PlaybackEnd::Failed || X11WindowLost(none) ? 1 : 0;
}

bool SdlPlatform::WindowLost() {
  SDL_Event none{};
  if (!X11WindowLost(none)) return false;
  std::cerr << kApplicationTitle
            << ": the game's window was destroyed by another program; the game ends, and what was not "
               "saved is lost.\n";
  return true;
}

void SdlPlatform::ShowFatal(std::string_view title, std::string_view text, const Font* font) {
  if (ShowMessage(title, text) || StopRequested()) return;
  // No box can open: the message goes in the frame, until a press or the
  // window's close.
  Canvas canvas;
  DrawNoticeBox(canvas, font, title, text, "Click to close.");
  SetCaption(title);
  for (bool due = true; !StopRequested() && !WindowLost(); due = TakeFrameLost()) {
    if (due) {
      const ClientSize client = GetClientSize();
      const FrameOrigin origin = ScreenSet::OriginFor(ScreenSet::LogicalSize(client));
      Present(canvas.Pixels(), origin.Left, origin.Top, ScreenSet::ScaleFor(client), canvas.Drawn());
    }
    if (!ServeWindow(200, true)) return;
  }
}

bool SdlPlatform::ServeWindow(int wait, bool pressEnds) {
  SDL_Event event;
  if (!WaitForEvent(impl_->x11, event, wait)) return true;
  do {
    if (X11WindowLost(event)) return true;  // the caller's next look says so
    if (event.type == SDL_QUIT || (pressEnds && event.type == SDL_MOUSEBUTTONDOWN)) return false;
    if (event.type != SDL_WINDOWEVENT) continue;
    if (event.window.event == SDL_WINDOWEVENT_CLOSE) return false;
    if (event.window.event == SDL_WINDOWEVENT_EXPOSED || event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
      Repaint();
  } while (SDL_PollEvent(&event));
  return true;
}

void ShowStartupError(std::string_view title, std::string_view text) {
  std::cerr << title << ": " << text << '\n';
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, std::string(title).c_str(), std::string(text).c_str(),
                           nullptr);
}

}  // namespace vantoro
