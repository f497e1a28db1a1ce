#pragma once

// X's input events as the platform's raw input: positions in whole pixels of the window's client
// area, buttons and shift state in the platform's codes, and the double-click that X does not
// make itself.

#include <optional>

#include "platform/input_events.h"

// After the platform's headers, which Xlib's macros (None, Status) would change.
#include <X11/Xlib.h>

namespace glint::platform::x11 {

// The shift state of an event's modifier mask (Alt is the first modifier, as desktops set it).
int shiftStateOf(unsigned int state);
// The buttons an event's modifier mask holds.
int buttonsHeldIn(unsigned int state);
// The platform's button of an X button number (other buttons than the three are no button of
// ours but still a press); nothing for the wheel's steps (4 to 7), which are no press at all.
std::optional<int> buttonOf(unsigned int xButton);

// A key by its keysym (without shift) and the modifiers held before it: letters give their
// upper-case code and digits their own (the number pad's too), other keys their keysym. A
// modifier key counts in the shift state of its own press.
KeyEvent toKeyEvent(unsigned long keysym, unsigned int state);

// Tells a second press of the same button, soon after the first and near it, as a double-click,
// as toolkits do; a third press is a press again.
class DoubleClicks {
public:
    // The interval and distance of the toolkits' defaults.
    static constexpr unsigned long kIntervalMs = 400;
    static constexpr int kDistance = 5;

    // Press or DoubleClick, for a press at (x, y) in window pixels at the server's time.
    RawMouse::Kind press(int button, int x, int y, Time time);

private:
    bool m_armed = false;
    int m_button = kNoButton;
    int m_x = 0;
    int m_y = 0;
    Time m_time = 0;
};

}  // namespace glint::platform::x11
