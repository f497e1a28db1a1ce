#pragma once

// The Windows API's input messages as the platform's input: positions in whole pixels of the
// window's client area, buttons and shift state in the platform's codes.

#include <windows.h>

#include "platform/input_events.h"

namespace glint::platform::win32 {

// The shift state of the keys held as the current message was sent.
int currentShiftState();

// A mouse message (WM_MOUSEMOVE, WM_xBUTTONDOWN, UP or DBLCLK) with its parameters. For a move,
// the buttons held; for the others, the button that changed. Positions outside the client area
// (under the mouse capture) are negative or beyond its size. The Alt key travels in no mouse
// message's parameters: altHeld says whether it is down.
RawMouse toRawMouse(UINT message, WPARAM wParam, LPARAM lParam, bool altHeld);

// Whether the message is one toRawMouse takes.
bool isMouseMessage(UINT message);

// A key's virtual-key code as the platform's key code: letters give their upper-case code and
// digits their own (the number pad's digits too), other keys their virtual-key code. A modifier
// key counts in the shift state of its own press.
KeyEvent toKeyEvent(WPARAM virtualKey, int shift);

}  // namespace glint::platform::win32
