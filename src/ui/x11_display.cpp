#include "ui/x11_display.hpp"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <atomic>
#include <cstdio>

namespace vantoro {
namespace {

// The game's own window, once it exists, and whether the server has said
// that it no longer does.
std::atomic<unsigned long> watchedWindow{0};
std::atomic<bool> windowLost{false};

int Warn(Display* display, XErrorEvent* event) {
  // Another program destroyed the window: every request about it fails from
  // now on, and saying so for each would flood the terminal.
  if (event->resourceid != 0 && event->resourceid == watchedWindow.load() &&
      (event->error_code == BadWindow || event->error_code == BadDrawable)) {
    windowLost = true;
    return 0;
  }
  char reason[256] = "";
  XGetErrorText(display, event->error_code, reason, sizeof reason);
  std::fprintf(stderr, "vantoro: warning: the X server refused a request (%s; request %d, resource 0x%lx)\n",
               reason, static_cast<int>(event->request_code), static_cast<unsigned long>(event->resourceid));
  return 0;
}

}  // namespace

void ReportXErrorsAsWarnings() { XSetErrorHandler(Warn); }

namespace {

// The window's X connection and id, where it is on X11.
bool OnX11(SDL_Window* window, SDL_SysWMinfo& system) {
  SDL_VERSION(&system.version);
  return window && SDL_GetWindowWMInfo(window, &system) && system.subsystem == SDL_SYSWM_X11;
}

}  // namespace

void* X11DisplayOf(SDL_Window* window) {
  SDL_SysWMinfo system;
  return OnX11(window, system) ? system.info.x11.display : nullptr;
}

void X11WatchWindow(SDL_Window* window) {
  SDL_SysWMinfo system;
  if (!OnX11(window, system)) return;
  watchedWindow = system.info.x11.window;
  // DestroyNotify reaches SDL (it asks for the window's structure events)
  // but SDL drops it: it comes through as a window-system event.
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

bool X11WindowLost(const SDL_Event& event) {
  if (event.type == SDL_SYSWMEVENT && event.syswm.msg != nullptr &&
      event.syswm.msg->subsystem == SDL_SYSWM_X11) {
    const XEvent& x = event.syswm.msg->msg.x11.event;
    if (x.type == DestroyNotify && x.xdestroywindow.window == watchedWindow.load()) windowLost = true;
  }
  return windowLost;
}

bool X11PaintBlackBehind(SDL_Window* window) {
  SDL_SysWMinfo system;
  if (!OnX11(window, system)) return false;
  Display* x11 = system.info.x11.display;
  XSetWindowBackground(x11, system.info.x11.window, BlackPixel(x11, DefaultScreen(x11)));
  return true;
}

void X11ClearWindow(SDL_Window* window) {
  if (SDL_SysWMinfo system; OnX11(window, system))
    XClearWindow(system.info.x11.display, system.info.x11.window);
}

bool X11CanMaximise(void* display) {
  auto* x11 = static_cast<Display*>(display);
  const Window root = DefaultRootWindow(x11);
  // A window manager is the one client that redirects the root window's
  // children to itself. Its announcements on the root window can outlive
  // it, so they count only while it runs.
  XWindowAttributes attributes;
  if (!XGetWindowAttributes(x11, root, &attributes) ||
      !(attributes.all_event_masks & SubstructureRedirectMask)) {
    return false;
  }
  const Atom supported = XInternAtom(x11, "_NET_SUPPORTED", True);
  const Atom wide = XInternAtom(x11, "_NET_WM_STATE_MAXIMIZED_HORZ", True);
  const Atom tall = XInternAtom(x11, "_NET_WM_STATE_MAXIMIZED_VERT", True);
  if (supported == None || wide == None || tall == None) return false;
  Atom type = None;
  int format = 0;
  unsigned long count = 0, left = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(x11, root, supported, 0, 4096, False, XA_ATOM, &type, &format, &count, &left,
                         &data) != Success) {
    return false;
  }
  bool knowsWide = false, knowsTall = false;
  if (data && type == XA_ATOM && format == 32) {
    // Xlib hands 32-bit properties over as longs.
    const auto* atoms = reinterpret_cast<const Atom*>(data);
    for (unsigned long i = 0; i < count; ++i) {
      knowsWide = knowsWide || atoms[i] == wide;
      knowsTall = knowsTall || atoms[i] == tall;
    }
  }
  if (data) XFree(data);
  return knowsWide && knowsTall;
}

bool SleepOnX11(void* display, int wait, int wakeFd) {
  auto* x11 = static_cast<Display*>(display);
  // Events Xlib has read from the socket but not handed over would not wake
  // the poll. Counting them reads nothing; flushing here would cost a
  // system call per tick, and the pump before has flushed already.
  if (XEventsQueued(x11, QueuedAlready) > 0) return true;
  pollfd watched[2] = {{ConnectionNumber(x11), POLLIN, 0}, {wakeFd, POLLIN, 0}};
  return poll(watched, wakeFd >= 0 ? 2 : 1, wait < 0 ? 0 : wait) != 0;
}

}  // namespace vantoro
