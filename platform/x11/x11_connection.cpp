#include "platform/x11/x11_connection.h"

#include <X11/Xresource.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xrandr.h>

#include <cstdlib>
#include <stdexcept>

namespace glint::platform::x11 {
namespace {

// Xlib calls its error handler without any pointer of ours, so the count is the process's: one
// connection per process, and every error on it counts.
unsigned long errorCount = 0;

extern "C" int countError(Display*, XErrorEvent*) {
    ++errorCount;
    return 0;
}

}  // namespace

X11Connection::X11Connection() {
    XSetErrorHandler(countError);
    m_display = XOpenDisplay(nullptr);
    if (!m_display) {
        const char* name = std::getenv("DISPLAY");
        throw std::runtime_error(std::string("Cannot open the X display ") +
                                 (name && *name ? name : "(DISPLAY is not set)"));
    }
    m_screen = DefaultScreen(m_display);
    m_shm = XShmQueryExtension(m_display) == True;
    int eventBase = 0;
    int errorBase = 0;
    int major = 0;
    int minor = 0;
    if (XRRQueryExtension(m_display, &eventBase, &errorBase) &&
        XRRQueryVersion(m_display, &major, &minor) && (major > 1 || (major == 1 && minor >= 5))) {
        m_randrEventBase = eventBase;
    }
}

X11Connection::~X11Connection() {
    if (m_display) XCloseDisplay(m_display);
}

std::vector<Rect> X11Connection::monitors() const {
    const Rect whole{0, 0, DisplayWidth(m_display, m_screen), DisplayHeight(m_display, m_screen)};
    std::vector<Rect> found;
    if (m_randrEventBase >= 0) {
        int count = 0;
        XRRMonitorInfo* info = XRRGetMonitors(m_display, root(), True, &count);
        std::size_t primary = 0;
        bool marked = false;
        for (int i = 0; i < count; ++i) {
            const XRRMonitorInfo& m = info[i];
            if (m.width <= 0 || m.height <= 0) continue;
            if (m.primary && !marked) {
                primary = found.size();
                marked = true;
            } else if (!marked && m.x == 0 && m.y == 0) {
                primary = found.size();
            }
            found.push_back({m.x, m.y, m.width, m.height});
        }
        if (info) XRRFreeMonitors(info);
        if (!found.empty() && primary != 0) std::swap(found[0], found[primary]);
    }
    if (found.empty()) found.push_back(whole);
    return found;
}

double X11Connection::fontDpi() const {
    const char* resources = XResourceManagerString(m_display);
    if (!resources) return 96.0;
    XrmInitialize();
    XrmDatabase database = XrmGetStringDatabase(resources);
    double dpi = 96.0;
    char* type = nullptr;
    XrmValue value{};
    if (database && XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr) {
        const double given = std::strtod(value.addr, nullptr);
        if (given >= 24.0 && given <= 1200.0) dpi = given;
    }
    if (database) XrmDestroyDatabase(database);
    return dpi;
}

ErrorTrap::ErrorTrap(Display* display) : m_display(display) {
    XSync(m_display, False);
    m_before = errorCount;
}

ErrorTrap::~ErrorTrap() = default;

bool ErrorTrap::failed() {
    XSync(m_display, False);
    return errorCount != m_before;
}

}  // namespace glint::platform::x11
