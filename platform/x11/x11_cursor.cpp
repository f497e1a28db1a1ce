#include "platform/x11/x11_cursor.h"

#include <algorithm>

namespace glint::platform::x11 {

X11Cursor::X11Cursor(Display* display) : m_display(display) {
    const char empty[1] = {0};
    Pixmap bitmap = XCreateBitmapFromData(display, DefaultRootWindow(display), empty, 1, 1);
    XColor black{};
    m_blank = XCreatePixmapCursor(display, bitmap, bitmap, &black, &black, 0, 0);
    XFreePixmap(display, bitmap);
}

X11Cursor::~X11Cursor() {
    if (m_blank != None) XFreeCursor(m_display, m_blank);
}

void X11Cursor::apply(Window window) const {
    if (m_hidden) {
        XDefineCursor(m_display, window, m_blank);
    } else {
        XUndefineCursor(m_display, window);
    }
}

void X11Cursor::showCursor(bool show) {
    if (show != m_hidden) return;
    m_hidden = !show;
    for (Window window : m_windows) apply(window);
    XFlush(m_display);
}

void X11Cursor::attach(Window window) {
    m_windows.push_back(window);
    apply(window);
}

void X11Cursor::detach(Window window) {
    m_windows.erase(std::remove(m_windows.begin(), m_windows.end(), window), m_windows.end());
}

}  // namespace glint::platform::x11
