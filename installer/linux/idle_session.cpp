#include "installer/linux/idle_session.h"

#include <unistd.h>

#include <cstdlib>
#include <sstream>

namespace glint::installer {
namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

bool namesDesktop(const std::string& desktops, const std::string& name) {
    std::istringstream names(desktops);
    for (std::string one; std::getline(names, one, ':');) {
        if (one == name) return true;
    }
    return false;
}

}  // namespace

IdleChoice chooseIdleWatcher(const SessionFacts& session) {
    const bool wayland = session.sessionType == "wayland" ||
                         (session.waylandDisplay && session.sessionType != "x11");
    IdleChoice choice;
    if (wayland) {
        if (namesDesktop(session.desktops, "GNOME")) {
            choice.gnomeOnWayland = true;
        } else if (session.hasProgram("swayidle")) {
            choice.watcher = IdleWatcher::Swayidle;
        } else {
            choice.missingPackage = "swayidle";
        }
        return choice;
    }
    if (!session.xDisplay) return choice;
    if (session.hasProgram("xscreensaver")) {
        choice.watcher = IdleWatcher::XScreenSaver;
    } else if (!session.hasProgram("xss-lock")) {
        choice.missingPackage = "xss-lock";
    } else if (!session.hasProgram("xset")) {
        // xset sets the X server's idle time that xss-lock waits for.
        choice.missingPackage = "x11-xserver-utils";
    } else {
        choice.watcher = IdleWatcher::XssLock;
    }
    return choice;
}

bool onSearchPath(const std::string& program, const std::string& searchPath) {
    std::istringstream folders(searchPath);
    for (std::string folder; std::getline(folders, folder, ':');) {
        if (folder.empty()) continue;
        const std::string path = folder + "/" + program;
        if (::access(path.c_str(), X_OK) == 0) return true;
    }
    return false;
}

SessionFacts currentSession() {
    const std::string searchPath = environment("PATH");
    return {environment("XDG_SESSION_TYPE"), environment("XDG_CURRENT_DESKTOP"),
            !environment("WAYLAND_DISPLAY").empty(), !environment("DISPLAY").empty(),
            [searchPath](const std::string& program) { return onSearchPath(program, searchPath); }};
}

}  // namespace glint::installer
