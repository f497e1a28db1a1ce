#include "platform/x11/dialog_screen.h"

#include <X11/Xresource.h>
#include <X11/extensions/Xrandr.h>
#include <dlfcn.h>

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
    const int screen = DefaultScreen(display);
    const Box whole{0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen)};
    // Loaded, not linked: the programs that travel inside a package ask only for what every X11
    // system has.
    void* library = dlopen("libXrandr.so.2", RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) return whole;
    using GetMonitors = XRRMonitorInfo* (*)(Display*, Window, Bool, int*);
    using FreeMonitors = void (*)(XRRMonitorInfo*);
    const auto getMonitors = reinterpret_cast<GetMonitors>(dlsym(library, "XRRGetMonitors"));
    const auto freeMonitors = reinterpret_cast<FreeMonitors>(dlsym(library, "XRRFreeMonitors"));
    Box area = whole;
    int count = 0;
    XRRMonitorInfo* monitors = nullptr;
    if (getMonitors != nullptr && freeMonitors != nullptr) {
        monitors = getMonitors(display, RootWindow(display, screen), True, &count);
    }
    if (monitors != nullptr) {
        int chosen = 0;
        for (int i = 0; i < count; ++i) {
            if (monitors[i].primary) chosen = i;
        }
        if (count > 0 && monitors[chosen].width > 0 && monitors[chosen].height > 0) {
            area = {monitors[chosen].x, monitors[chosen].y, monitors[chosen].width,
                    monitors[chosen].height};
        }
        freeMonitors(monitors);
    }
    // Never unloaded: the library has hooked its clean-up into the display's closing.
    return area;
}

}  // namespace glint::platform::x11
