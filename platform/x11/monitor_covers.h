#pragma once

#include <vector>

#include "platform/rect.h"
#include "platform/x11/form_window.h"
#include "platform/x11/x11_connection.h"
#include "platform/x11/x11_cursor.h"

// After the platform's headers, which Xlib's macros (None, Status) would change.
#include <X11/Xlib.h>

namespace glint::platform::x11 {

// Every monitor but the show's covered by a black window for as long as the show runs: monitors
// that come later get a cover, monitors that go lose theirs (RandR tells). Whatever the user does
// over a cover goes to the show's window as input over the show.
class MonitorCovers {
public:
    MonitorCovers(X11Connection& connection, FormWindow& show, X11Cursor& cursor);
    ~MonitorCovers();
    MonitorCovers(const MonitorCovers&) = delete;
    MonitorCovers& operator=(const MonitorCovers&) = delete;

    // Handles an event of a cover, or a change of the monitors; false for any other.
    bool handle(const XEvent& event);

    // The monitors covered now.
    std::vector<Rect> covered() const;

private:
    struct Cover {
        Rect monitor;
        Window window;
    };

    void coverMonitors();
    void remove(const Cover& cover);

    X11Connection& m_connection;
    FormWindow& m_show;
    X11Cursor& m_cursor;
    std::vector<Cover> m_covers;
};

}  // namespace glint::platform::x11
