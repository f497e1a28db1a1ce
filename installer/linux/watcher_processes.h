#pragma once

// The idle watchers as processes of the session: whether XScreenSaver's daemon runs, a watcher
// started at once (not only at the next login), and the watchers of a show ended.

#include <string>
#include <vector>

namespace glint::installer {

class WatcherProcesses {
public:
    virtual ~WatcherProcesses() = default;
    // Whether the XScreenSaver daemon answers on this display.
    virtual bool xscreensaverRuns() = 0;
    // Starts the command (its words; the first a program on the search path) on its own, apart
    // from this program: a session of its own, no input, its output going nowhere.
    virtual void startDetached(const std::vector<std::string>& words) = 0;
    // Ends this user's xss-lock and swayidle processes whose command holds the text.
    virtual void stopWatchers(const std::string& holding) = 0;
};

class SystemWatcherProcesses : public WatcherProcesses {
public:
    bool xscreensaverRuns() override;
    void startDetached(const std::vector<std::string>& words) override;
    void stopWatchers(const std::string& holding) override;
};

}  // namespace glint::installer
