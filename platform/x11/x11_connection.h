#pragma once

#include <vector>

#include "platform/rect.h"

// After the platform's headers, which Xlib's macros (None, Status) would change.
#include <X11/Xlib.h>

namespace glint::platform::x11 {

// The program's connection to the X server named by DISPLAY, with what the show asks of the
// server once: the screen, its default visual, the extensions at hand, the monitors (RandR) and the
// desktop's font resolution (Xft.dpi).
//
// A failed request never ends the program: Xlib's default is to exit on any protocol error, and
// a window that goes away under the show (XScreenSaver's, at its end) must not do that. Errors
// are counted instead; ErrorTrap tells whether requests made while it lived failed.
class X11Connection {
public:
    // Throws std::runtime_error when the display cannot be opened.
    X11Connection();
    ~X11Connection();
    X11Connection(const X11Connection&) = delete;
    X11Connection& operator=(const X11Connection&) = delete;

    Display* display() const { return m_display; }
    int screen() const { return m_screen; }
    Window root() const { return RootWindow(m_display, m_screen); }
    int fd() const { return ConnectionNumber(m_display); }
    Atom atom(const char* name) const { return XInternAtom(m_display, name, False); }

    bool hasShm() const { return m_shm; }
    // The first event code of RandR's events; -1 without RandR 1.5.
    int randrEventBase() const { return m_randrEventBase; }

    // The monitors in root-window pixels, the primary one first (RandR's primary, else the one
    // at the desktop's corner); the whole root window when RandR tells none.
    std::vector<Rect> monitors() const;
    Rect primaryMonitor() const { return monitors().front(); }

    // The desktop's font resolution: the Xft.dpi resource, else 96.
    double fontDpi() const;

private:
    Display* m_display = nullptr;
    int m_screen = 0;
    bool m_shm = false;
    int m_randrEventBase = -1;
};

// Counts the protocol errors of the requests made while it lives (it waits for their answers).
class ErrorTrap {
public:
    explicit ErrorTrap(Display* display);
    ~ErrorTrap();
    ErrorTrap(const ErrorTrap&) = delete;
    ErrorTrap& operator=(const ErrorTrap&) = delete;
    // Whether a request made since the trap was set failed.
    bool failed();

private:
    Display* m_display;
    unsigned long m_before;
};

}  // namespace glint::platform::x11
