#pragma once

// Which of the desktop's components can start the show when the session is idle: XScreenSaver
// where it is installed on X11, else xss-lock on the X server's screensaver timer; on Wayland
// swayidle where the compositor tells idle clients (ext-idle-notify: KDE Plasma, sway and the
// other wlroots compositors). GNOME on Wayland lets no other program in.

#include <functional>
#include <string>

namespace glint::installer {

enum class IdleWatcher { XScreenSaver, XssLock, Swayidle, None };

struct SessionFacts {
    std::string sessionType;      // $XDG_SESSION_TYPE: "x11", "wayland", ...
    std::string desktops;         // $XDG_CURRENT_DESKTOP: names separated by ':'
    bool waylandDisplay = false;  // $WAYLAND_DISPLAY is set
    bool xDisplay = false;        // $DISPLAY is set
    // Whether a program of this name is on the search path.
    std::function<bool(const std::string&)> hasProgram;
};

struct IdleChoice {
    IdleWatcher watcher = IdleWatcher::None;
    // With no watcher: the one Debian package that gives the session one, or empty when no
    // package can (GNOME on Wayland, no graphical session).
    std::string missingPackage;
    bool gnomeOnWayland = false;
};

IdleChoice chooseIdleWatcher(const SessionFacts& session);

// The facts of the session this program runs in, from its environment and $PATH.
SessionFacts currentSession();

// Whether an executable file of this name lies in one of the folders of the search path.
bool onSearchPath(const std::string& program, const std::string& searchPath);

}  // namespace glint::installer
