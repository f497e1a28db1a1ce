#include "platform/x11/show_window.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <unistd.h>

namespace glint::platform::x11 {
namespace {

// _MOTIF_WM_HINTS: only the decorations are given, and they are none.
constexpr long kMotifDecorationsFlag = 2;

}  // namespace

Window createShowWindow(const X11Connection& connection, const Rect& area, const std::string& title,
                        bool takesFocus, unsigned long background, long eventMask,
                        bool fullScreen) {
    Display* display = connection.display();
    XSetWindowAttributes attributes{};
    attributes.background_pixel = background;
    attributes.border_pixel = 0;
    attributes.event_mask = eventMask;
    const Window window =
        XCreateWindow(display, connection.root(), area.x, area.y, static_cast<unsigned>(area.width),
                      static_cast<unsigned>(area.height), 0, CopyFromParent, InputOutput,
                      CopyFromParent, CWBackPixel | CWBorderPixel | CWEventMask, &attributes);

    XStoreName(display, window, title.c_str());
    XChangeProperty(display, window, connection.atom("_NET_WM_NAME"),
                    connection.atom("UTF8_STRING"), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title.data()),
                    static_cast<int>(title.size()));
    std::string name = "glintsaver";
    std::string className = "Glint";
    XClassHint classHint{name.data(), className.data()};
    XSetClassHint(display, window, &classHint);

    XWMHints wmHints{};
    wmHints.flags = InputHint | StateHint;
    wmHints.input = takesFocus ? True : False;
    wmHints.initial_state = NormalState;
    XSetWMHints(display, window, &wmHints);

    // Where no window manager runs, the window stays where it was made; where one runs, it is
    // told that the place and size are the user's own wish.
    XSizeHints sizeHints{};
    sizeHints.flags = USPosition | USSize;
    sizeHints.x = area.x;
    sizeHints.y = area.y;
    sizeHints.width = area.width;
    sizeHints.height = area.height;
    XSetWMNormalHints(display, window, &sizeHints);

    const long motif[5] = {kMotifDecorationsFlag, 0, 0, 0, 0};
    const Atom motifAtom = connection.atom("_MOTIF_WM_HINTS");
    XChangeProperty(display, window, motifAtom, motifAtom, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(motif), 5);

    const Atom states[2] = {connection.atom("_NET_WM_STATE_FULLSCREEN"),
                            connection.atom("_NET_WM_STATE_ABOVE")};
    if (fullScreen) {
        XChangeProperty(display, window, connection.atom("_NET_WM_STATE"), XA_ATOM, 32,
                        PropModeReplace, reinterpret_cast<const unsigned char*>(states), 2);
    }

    const long pid = ::getpid();
    XChangeProperty(display, window, connection.atom("_NET_WM_PID"), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);
    Atom deleteWindow = connection.atom("WM_DELETE_WINDOW");
    XSetWMProtocols(display, window, &deleteWindow, 1);
    return window;
}

}  // namespace glint::platform::x11
