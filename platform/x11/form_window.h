#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/control_tracker.h"
#include "platform/form.h"
#include "platform/input_router.h"
#include "platform/x11/control_painter.h"
#include "platform/x11/frame_buffer.h"
#include "platform/x11/x11_connection.h"
#include "platform/x11/x11_cursor.h"
#include "platform/x11/x11_input.h"
#include "platform/x11/xft_font_set.h"

// After the platform's headers, which Xlib's macros (None, Status) would change.
#include <X11/Xft/Xft.h>
#include <X11/Xlib.h>

namespace glint::platform::x11 {

// The real window of a Form: shows its surface and controls, hands the user's mouse and keys to
// its handlers, and never lets a failure of a handler pass back into the event loop.
//
// What it shows is composed in a frame in memory (FrameBuffer) band by band, sent to a pixmap of
// the server where the labels' text is drawn over it, and copied from there to the window: a
// region of the window is never seen half drawn, and the window's exposures are answered from
// the pixmap.
class FormWindow {
public:
    struct Hooks {
        // A handler called for input has failed with this message.
        std::function<void(const std::string& message)> failed;
        // The window was closed from outside (its window manager's close).
        std::function<void()> closed;
    };

    // Inside XScreenSaver, `embedded` is the daemon's window, which the form's window fills;
    // None otherwise.
    FormWindow(X11Connection& connection, Form& form, Hooks hooks, const XftFontSet& font,
               X11Cursor& cursor, Window embedded);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // Shows the window: inside the daemon's window and of its size when embedded; a maximised
    // form full screen over the primary monitor, in front and with the keyboard; any other at the
    // form's place with its size.
    void show();
    // Takes the window away for good (the error report): no more input, the keyboard let go.
    void stop();

    // Brings what was drawn and what changed in the controls since the last call to the screen.
    void present();

    // Handles an event of the window (or of the daemon's window); false for any other.
    bool handle(const XEvent& event);
    // A pointer event over another window of the show (a monitor's cover), handed to the form's
    // handlers as if it were over this window: one space for every monitor.
    void coverPointer(const XEvent& event);
    // A key pressed over any window of the show.
    void takeKey(const XEvent& event);

    Window window() const { return m_window; }
    Form& form() const { return m_form; }
    // The window's place on the root window.
    Rect placed() const { return {m_originX, m_originY, m_width, m_height}; }

private:
    void create(const Rect& area, Window parent);
    void resizeBackStore();
    void compose(const Rect& r);
    void takeKeyboard();
    void followPlace();
    void pointer(const XEvent& event, int x, int y);
    void deliver(const std::function<void()>& handler);

    X11Connection& m_connection;
    Display* m_display;
    Form& m_form;
    InputRouter m_router;
    Hooks m_hooks;
    X11Cursor& m_cursor;
    Window m_embedded;
    const XftFontSet& m_font;
    Window m_window = None;
    Visual* m_visual = nullptr;
    int m_depth = 0;
    Colormap m_colormap = None;
    GC m_gc = nullptr;
    Pixmap m_back = None;
    XftDraw* m_draw = nullptr;
    std::unique_ptr<FrameBuffer> m_frame;
    std::unique_ptr<ControlPainter> m_painter;
    ControlTracker m_tracker{
        [](const Control& control) { return ControlPainter::extentOf(control); }};
    DoubleClicks m_clicks;
    int m_width = 0;
    int m_height = 0;
    int m_originX = 0;
    int m_originY = 0;
    bool m_wantsKeyboard = false;
    int m_keyboardTries = 0;
    Atom m_deleteWindow = None;
};

}  // namespace glint::platform::x11
