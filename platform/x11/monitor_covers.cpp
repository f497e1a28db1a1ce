#include "platform/x11/monitor_covers.h"

#include <X11/extensions/Xrandr.h>

#include <algorithm>

#include "platform/x11/show_window.h"

namespace glint::platform::x11 {
namespace {

constexpr long kCoverEvents =
    ButtonPressMask | ButtonReleaseMask | PointerMotionMask | KeyPressMask;

}  // namespace

MonitorCovers::MonitorCovers(X11Connection& connection, FormWindow& show, X11Cursor& cursor)
    : m_connection(connection), m_show(show), m_cursor(cursor) {
    if (m_connection.randrEventBase() >= 0) {
        XRRSelectInput(m_connection.display(), m_connection.root(),
                       RRScreenChangeNotifyMask | RRCrtcChangeNotifyMask |
                           RROutputChangeNotifyMask | RRResourceChangeNotifyMask);
    }
    // A monitor set by hand (xrandr --setmonitor) changes no output: the server tells it only as
    // a change of the root window.
    XSelectInput(m_connection.display(), m_connection.root(), StructureNotifyMask);
    coverMonitors();
}

MonitorCovers::~MonitorCovers() {
    for (const Cover& cover : m_covers) remove(cover);
    XFlush(m_connection.display());
}

void MonitorCovers::remove(const Cover& cover) {
    m_cursor.detach(cover.window);
    XDestroyWindow(m_connection.display(), cover.window);
}

std::vector<Rect> MonitorCovers::covered() const {
    std::vector<Rect> monitors;
    for (const Cover& cover : m_covers) monitors.push_back(cover.monitor);
    return monitors;
}

// The show stays on the monitor it was started on; every other one present gets a cover.
void MonitorCovers::coverMonitors() {
    const std::vector<Rect> monitors = m_connection.monitors();
    const Rect shown = m_show.placed();
    const int centreX = shown.x + shown.width / 2;
    const int centreY = shown.y + shown.height / 2;
    std::vector<Rect> wanted;
    for (const Rect& monitor : monitors) {
        if (!monitor.contains(centreX, centreY)) wanted.push_back(monitor);
    }
    std::erase_if(m_covers, [&](const Cover& cover) {
        const bool stays = std::find(wanted.begin(), wanted.end(), cover.monitor) != wanted.end();
        if (!stays) remove(cover);
        return !stays;
    });
    Display* display = m_connection.display();
    for (const Rect& monitor : wanted) {
        const bool covered = std::any_of(m_covers.begin(), m_covers.end(),
                                         [&](const Cover& c) { return c.monitor == monitor; });
        if (covered) continue;
        const Window window =
            createShowWindow(m_connection, monitor, m_show.form().title(), false,
                             BlackPixel(display, m_connection.screen()), kCoverEvents);
        m_cursor.attach(window);
        XMapRaised(display, window);
        m_covers.push_back({monitor, window});
    }
    XFlush(display);
}

bool MonitorCovers::handle(const XEvent& event) {
    const int base = m_connection.randrEventBase();
    const bool randr =
        base >= 0 && (event.type == base + RRScreenChangeNotify || event.type == base + RRNotify);
    if (randr || (event.type == ConfigureNotify && event.xany.window == m_connection.root())) {
        if (base >= 0 && event.type == base + RRScreenChangeNotify) {
            XRRUpdateConfiguration(const_cast<XEvent*>(&event));
        }
        coverMonitors();
        return true;
    }
    const auto cover = std::find_if(m_covers.begin(), m_covers.end(),
                                    [&](const Cover& c) { return c.window == event.xany.window; });
    if (cover == m_covers.end()) return false;
    switch (event.type) {
        case ButtonPress:
        case ButtonRelease:
        case MotionNotify:
            m_show.coverPointer(event);
            break;
        case KeyPress:
            // The show's window holds the keyboard; a key that reaches a cover all the same is
            // the show's.
            m_show.takeKey(event);
            break;
        default:
            break;
    }
    return true;
}

}  // namespace glint::platform::x11
