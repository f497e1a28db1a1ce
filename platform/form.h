#pragma once

// A window: its own position and size (twips, outer), its settings, its controls in z-order, the
// surface that single-pixel writes go to, keyboard focus and mouse capture. A backend shows it,
// draws it and feeds its input through an InputRouter.

#include <functional>
#include <string>
#include <vector>

#include "platform/control.h"
#include "platform/image.h"
#include "platform/pixel_surface.h"

namespace glint::platform {

class Form : public Control {
public:
    Form(std::string name, std::string title);

    const std::string& title() const { return m_title; }

    Rgb backColor() const { return m_backColor; }
    void setBackColor(Rgb color) { m_backColor = color; }

    // No border and no title bar.
    bool borderless() const { return m_borderless; }
    void setBorderless(bool borderless) { m_borderless = borderless; }
    // Maximised: the window covers the whole screen.
    bool maximized() const { return m_maximized; }
    void setMaximized(bool maximized) { m_maximized = maximized; }
    // Minimised: the platform shows the window again as usual; its backend then clears the flag.
    bool minimized() const { return m_minimized; }
    void setMinimized(bool minimized) { m_minimized = minimized; }

    // The background picture, drawn from the top-left corner of the client area under everything.
    const Image& picture() const { return m_picture; }
    void setPicture(Image picture);

    // Controls from bottom to top; a later one is drawn over an earlier one.
    void addControl(Control& control) { m_controls.push_back(&control); }
    const std::vector<Control*>& controls() const { return m_controls; }

    // The client area's size in pixels, set by the backend when the window takes its place.
    void setClientSize(int width, int height);
    int clientWidth() const { return m_surface.width(); }
    int clientHeight() const { return m_surface.height(); }

    PixelSurface& surface() { return m_surface; }
    const PixelSurface& surface() const { return m_surface; }

    // Repaints the window at once: the surface is painted over with the background colour and
    // picture, so whatever was drawn on it with single pixels is gone. Labels are drawn again
    // over it.
    void refresh();

    // The control that receives keys; null when the window itself does.
    Control* focusedControl() const { return m_focus; }
    void setFocusedControl(Control* control) { m_focus = control; }

    // The control that holds the mouse capture (every mouse event goes to it); null when none.
    Control* mouseCapture() const { return m_capture; }
    void setMouseCapture(Control* control) { m_capture = control; }

    // The window's load: runs once before it is first shown.
    std::function<void()> onLoad;

    // Files and folders dropped on the window from a file manager, as full paths in the order of
    // the drop. A window without this handler takes no drop.
    std::function<void(const std::vector<std::string>& paths)> onDropFiles;

    // While input is blocked, the window's mouse and keys reach no handler and it takes no drop;
    // it still repaints. For a long task that makes event passes.
    bool inputBlocked() const { return m_inputBlocked; }
    void setInputBlocked(bool blocked) { m_inputBlocked = blocked; }

    // Closes (unloads) the window; a modal dialog's showing then ends.
    void close() { m_closed = true; }
    bool closed() const { return m_closed; }

private:
    std::string m_title;
    Rgb m_backColor = 0;
    bool m_borderless = false;
    bool m_maximized = false;
    bool m_minimized = false;
    bool m_closed = false;
    bool m_inputBlocked = false;
    Image m_picture;
    std::vector<Control*> m_controls;
    PixelSurface m_surface;
    Control* m_focus = nullptr;
    Control* m_capture = nullptr;
};

}  // namespace glint::platform
