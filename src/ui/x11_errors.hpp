#pragma once
// The X window system's protocol errors, for the SDL platform on X11.

namespace vantoro {

// Xlib's own handler ends the program, with status 1, on any protocol
// error, even on one as harmless as SDL's wake-up message to the window
// the program has just destroyed. This reports such an error on standard
// error as a warning and carries on. Call it before SDL starts its video:
// SDL passes errors on to the handler it found, and restores it on quit.
// Harmless where no X server is used.
void ReportXErrorsAsWarnings();

}  // namespace vantoro
