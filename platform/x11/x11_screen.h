#pragma once

#include "platform/services.h"
#include "platform/x11/x11_connection.h"

namespace glint::platform::x11 {

// The screen the show covers, in device pixels: the primary monitor, or inside XScreenSaver the
// daemon's window.
class X11Screen : public Screen {
public:
    X11Screen(const X11Connection& connection, Window embedded)
        : m_connection(connection), m_embedded(embedded) {}
    int widthPixels() const override { return area().width; }
    int heightPixels() const override { return area().height; }

private:
    Rect area() const;

    const X11Connection& m_connection;
    Window m_embedded;
};

}  // namespace glint::platform::x11
