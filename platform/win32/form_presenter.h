#pragma once

#include <windows.h>

#include "platform/control_tracker.h"
#include "platform/form.h"
#include "platform/win32/control_painter.h"
#include "platform/win32/frame_buffer.h"

namespace glint::platform::win32 {

// What a form's window shows: its pixel surface with the drawn controls over it, composed in a
// frame the size of the client area and brought to the screen only where something changed: the
// regions written on the surface and the places where a control changed its look.
class FormPresenter {
public:
    // Captions are drawn in the font, which the presenter does not own.
    explicit FormPresenter(HFONT font)
        : m_painter(font),
          m_tracker([this](const Control& control) { return m_painter.extentOf(control); }) {}

    // Composes what changed since the last call and marks it for repainting on the window:
    // repainted before returning when immediately, otherwise at its next paint.
    void present(Form& form, HWND window, bool immediately);

    // The window's paint: the frame where the window asks, the brush beyond it (a window larger
    // than its form thinks, or one not yet presented).
    void paint(HWND window, HBRUSH beyond) const;

private:
    void compose(Form& form, const Rect& r);

    FrameBuffer m_frame;
    ControlPainter m_painter;
    ControlTracker m_tracker;
};

}  // namespace glint::platform::win32
