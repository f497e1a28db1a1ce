#include "platform/x11/dialog_screen.h"

#include <X11/Xresource.h>

#include <cstdlib>

namespace glint::platform::x11 {

double desktopDpi(Display* display) {
    constexpr double kDefault = 96.0;
    const char* resources = XResourceManagerString(display);
    if (resources == nullptr) return kDefault;
    XrmInitialize();
    XrmDatabase database = XrmGetStringDatabase(resources);
    if (database == nullptr) return kDefault;
    double dpi = kDefault;
    char* type = nullptr;
    XrmValue value;
    if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr != nullptr) {
        const double read = std::strtod(value.addr, nullptr);
        if (read >= 48.0 && read <= 960.0) dpi = read;
    }
    XrmDestroyDatabase(database);
    return dpi;
}

Box primaryMonitor(Display* display) {
    // The root window's middle: on one monitor, that monitor's. The primary monitor's own area
    // was asked of RandR (loaded at run time, as the dialogs link only what every X11 system
    // has), but now and then the installer then died inside Xlib ("Extra reply data still left
    // in queue", a request with major opcode 0) after several dialogs had each opened and closed
    // a connection: until that is understood, the dialogs ask no extension of their own.
    const int screen = DefaultScreen(display);
    return {0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen)};
}

}  // namespace glint::platform::x11
