#pragma once

namespace glint::platform {

// Mouse buttons and shift state as the handlers receive them.
enum MouseButton : int { kNoButton = 0, kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftState : int { kNoShift = 0, kShiftKey = 1, kCtrlKey = 2, kAltKey = 4 };

// A mouse event as a handler receives it: X and Y in the receiving control's scale units (twips,
// or pixels for a picture box whose inner coordinates are pixels), from its inner top-left corner.
struct MouseEvent {
    int button = kNoButton;
    int shift = kNoShift;
    float x = 0;
    float y = 0;
};

// A key event: the platform-neutral key code (a letter's upper-case code, a digit's code, or the
// toolkit's code for other keys) and the shift state.
struct KeyEvent {
    int keyCode = 0;
    int shift = kNoShift;
};

// Raw input as a backend sees it, in whole pixels of the window's client area.
struct RawMouse {
    enum class Kind { Move, Press, Release, DoubleClick };
    Kind kind = Kind::Move;
    int x = 0;
    int y = 0;
    int button = kNoButton;  // the button pressed or released; for a move, the buttons held
    int shift = kNoShift;
};

}  // namespace glint::platform
