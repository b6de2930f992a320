#include "ui/x11_display.hpp"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <cstdio>

namespace vantoro {
namespace {

int Warn(Display* display, XErrorEvent* event) {
  char reason[256] = "";
  XGetErrorText(display, event->error_code, reason, sizeof reason);
  std::fprintf(stderr, "vantoro: warning: the X server refused a request (%s; request %d, resource 0x%lx)\n",
               reason, static_cast<int>(event->request_code), static_cast<unsigned long>(event->resourceid));
  return 0;
}

}  // namespace

void ReportXErrorsAsWarnings() { XSetErrorHandler(Warn); }

void* X11DisplayOf(SDL_Window* window) {
  SDL_SysWMinfo system;
  SDL_VERSION(&system.version);
  if (!window || !SDL_GetWindowWMInfo(window, &system) || system.subsystem != SDL_SYSWM_X11) return nullptr;
  return system.info.x11.display;
}

bool SleepOnX11(void* display, int wait) {
  auto* x11 = static_cast<Display*>(display);
  // Events Xlib has read from the socket but not handed over would not wake
  // the poll. Counting them reads nothing; flushing here would cost a
  // system call per tick, and the pump before has flushed already.
  if (XEventsQueued(x11, QueuedAlready) > 0) return true;
  pollfd connection{ConnectionNumber(x11), POLLIN, 0};
  return poll(&connection, 1, wait < 0 ? 0 : wait) != 0;
}

}  // namespace vantoro
