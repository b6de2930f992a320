// Asks an X11 window to close, as a window manager's close button does
// (WM_DELETE_WINDOW), for the end-to-end test where no window manager runs;
// with --destroy, destroys it outright, as a misbehaving client or a
// crashed compositor can.

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  const bool destroy = argc == 3 && std::strcmp(argv[1], "--destroy") == 0;
  if (argc != 2 && !destroy) {
    std::fprintf(stderr, "usage: close-window [--destroy] WINDOW-ID\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "close-window: cannot open the display\n");
    return 1;
  }
  const Window window = std::strtoul(argv[argc - 1], nullptr, 0);
  if (destroy) {
    XDestroyWindow(display, window);
    XCloseDisplay(display);  // sends the request
    return 0;
  }
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XFlush(display);
  XCloseDisplay(display);
  return 0;
}
