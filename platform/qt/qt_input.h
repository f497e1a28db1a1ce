#pragma once

// Qt's input events as the platform's raw input: positions in whole pixels of the window's
// client area, buttons and shift state in the platform's codes.

#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/input_events.h"

namespace glint::platform::qt {

int shiftStateOf(Qt::KeyboardModifiers modifiers);
int buttonsOf(Qt::MouseButtons buttons);

// For a move, the buttons held; for a press, release or double-click, the button that changed.
RawMouse toRawMouse(const QMouseEvent& event, RawMouse::Kind kind);

// Letters give their upper-case code and digits their own (Qt's codes for them are those), other
// keys Qt's code. A modifier key counts in the shift state of its own press.
KeyEvent toKeyEvent(const QKeyEvent& event);

}  // namespace glint::platform::qt
