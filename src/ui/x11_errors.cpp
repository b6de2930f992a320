#include "ui/x11_errors.hpp"

#include <X11/Xlib.h>

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

}  // namespace vantoro
