#pragma once

// Making an installed show the user's screensaver through the session's idle watcher, and
// withdrawing it again. XScreenSaver: the show's entry in ~/.xscreensaver, the one display mode.
// xss-lock and swayidle: an XDG autostart entry that starts the watcher at login with the show's
// launcher and the idle time; one such entry at a time, so the show made the screensaver last is
// the one that plays. Either way the watcher runs from then on: it is started at once, and at
// every login (XScreenSaver through its own autostart entry, made when the system has none).

#include <string>
#include <vector>

#include "installer/linux/idle_session.h"
#include "installer/linux/watcher_processes.h"

namespace glint::installer {

struct UserFolders {
    std::string home;    // $HOME
    std::string config;  // $XDG_CONFIG_HOME, or $HOME/.config
    // The system's autostart entries, started at every user's login.
    std::string systemAutostart = "/etc/xdg/autostart";
};

// The current user's folders. Throws InstallError without a home folder.
UserFolders userFolders();

struct ScreensaverShow {
    std::string name;      // the show's caption
    std::string launcher;  // its launcher, an absolute path
};

inline constexpr int kDefaultIdleMinutes = 10;

std::string xscreensaverSettingsPath(const UserFolders& folders);
std::string autostartEntryPath(const UserFolders& folders);
// The user's autostart entry of the XScreenSaver daemon.
std::string xscreensaverAutostartPath(const UserFolders& folders);

// The autostart entry that starts xss-lock or swayidle with the show after idleMinutes.
std::string autostartEntry(IdleWatcher watcher, const ScreensaverShow& show, int idleMinutes);

// The command of the xss-lock or swayidle watcher that starts the show after idleMinutes.
std::vector<std::string> watcherCommand(IdleWatcher watcher, const std::string& launcher,
                                        int idleMinutes);

// Makes the show the screensaver with the watcher (not None), which runs from now on, and
// returns what to tell the user: which component starts it, and how to change that. Throws
// InstallError when a settings file cannot be written; what was there stays as it was.
std::string makeScreensaver(IdleWatcher watcher, const ScreensaverShow& show, int idleMinutes,
                            const UserFolders& folders, WatcherProcesses& processes);

// What to tell the user when the session offers no watcher (choice.watcher is None).
std::string noWatcherMessage(const IdleChoice& choice, const std::string& menuName);

// Withdraws the show wherever it is the screensaver: its ~/.xscreensaver entry, the autostart
// entry when that starts this launcher, and the watchers running for it. Touches nothing else.
// Throws InstallError naming the file that could not be changed.
void withdrawScreensaver(const std::string& launcher, const UserFolders& folders,
                         WatcherProcesses& processes);

}  // namespace glint::installer
