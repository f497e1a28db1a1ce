#pragma once

#include <vector>

#include "platform/services.h"

// After the platform's headers, which Xlib's macros (None, Status) would change.
#include <X11/Xlib.h>

namespace glint::platform::x11 {

// Hides the pointer over every window of the show with an invisible cursor, and gives the normal
// pointer back. The show hides it before its windows exist: each window takes the look the
// pointer has when it comes.
class X11Cursor : public Cursor {
public:
    explicit X11Cursor(Display* display);
    ~X11Cursor() override;
    X11Cursor(const X11Cursor&) = delete;
    X11Cursor& operator=(const X11Cursor&) = delete;

    void showCursor(bool show) override;
    bool hidden() const { return m_hidden; }

    void attach(Window window);
    void detach(Window window);

private:
    void apply(Window window) const;

    Display* m_display;
    ::Cursor m_blank = None;
    std::vector<Window> m_windows;
    bool m_hidden = false;
};

}  // namespace glint::platform::x11
