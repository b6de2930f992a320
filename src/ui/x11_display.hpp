#pragma once
// The X window system's connection, for the SDL platform on X11: its
// protocol errors, whether a window manager maximises the window, and
// sleeping on it between ticks.

struct SDL_Window;
union SDL_Event;

namespace vantoro {

// Xlib's own handler ends the program, with status 1, on any protocol
// error, even on one as harmless as SDL's wake-up message to the window
// the program has just destroyed. This reports such an error on standard
// error as a warning and carries on. Call it before SDL starts its video:
// SDL passes errors on to the handler it found, and restores it on quit.
// Harmless where no X server is used.
void ReportXErrorsAsWarnings();

// The X server connection that shows the window, or null where the window
// is not on X11 (Wayland, say).
void* X11DisplayOf(SDL_Window* window);

// Watches the window for its destruction by another program (an X client
// destroying it, a compositor that crashed with it): from then on
// WindowLost answers true. Reported as X errors about the window, which
// are then not printed, or as the server's notice of the destruction,
// which SDL passes on as a window-system event that WindowLost looks at.
void X11WatchWindow(SDL_Window* window);
bool X11WindowLost(const SDL_Event& event);

// Makes the X server paint the window black wherever nothing was drawn,
// and ClearWindow paints all of it so: then only the frame itself need be
// sent, not a window-sized picture of mostly black. False where the window
// is not on X11.
bool X11PaintBlackBehind(SDL_Window* window);
void X11ClearWindow(SDL_Window* window);

// Whether a window manager runs that maximises a window on request: one
// that manages the screen's windows and says it knows the maximised states
// of the desktop standard (EWMH). On a bare X server nothing acts on the
// request, and the window keeps the size it was created with.
bool X11CanMaximise(void* display);

// Sleeps until the X server has something to say or `wait` ms have passed.
// Call it just after SDL pumped its events: that pump sent every request
// Xlib held. True when there may be events to pump: the server wrote, Xlib
// already holds some, or a signal (an interrupt from the terminal) cut the
// sleep short, or `wakeFd` (when not negative) became readable.
bool SleepOnX11(void* display, int wait, int wakeFd);

}  // namespace vantoro
