#pragma once

// Turns a window's raw input into its handlers' events, as the window system does: the event goes
// to the topmost visible control under the pointer (or to the control holding the mouse capture,
// or to the window itself), with its position in that control's scale units; a press and a
// release on the same control make a click.

#include "platform/form.h"
#include "platform/input_events.h"

namespace glint::platform {

class InputRouter {
public:
    explicit InputRouter(Form& form) : m_form(form) {}

    void mouse(const RawMouse& raw);
    // Keys go to the focused control, or to the window itself.
    void key(const KeyEvent& event);

    // The control that receives a mouse event at this pixel of the client area (the window itself
    // when no control is there).
    Control& targetAt(int x, int y) const;

private:
    MouseEvent eventFor(const Control& target, const RawMouse& raw) const;

    Form& m_form;
    Control* m_pressed = nullptr;
};

}  // namespace glint::platform
