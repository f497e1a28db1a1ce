// GoogleTest first: Xlib's macros (None) would change its names.
#include <gtest/gtest.h>

#include "platform/x11/x11_input.h"

#include <X11/keysym.h>

namespace glint::platform::x11 {
namespace {

using Kind = RawMouse::Kind;

TEST(X11Input, ASecondPressSoonAndNearIsADoubleClickAndAThirdIsAPressAgain) {
    DoubleClicks clicks;
    EXPECT_EQ(clicks.press(kLeftButton, 100, 100, 1000), Kind::Press);
    EXPECT_EQ(clicks.press(kLeftButton, 104, 96, 1399), Kind::DoubleClick);
    EXPECT_EQ(clicks.press(kLeftButton, 104, 96, 1450), Kind::Press);
    // Too late, too far, another button: presses.
    EXPECT_EQ(clicks.press(kLeftButton, 104, 96, 1850), Kind::Press);
    EXPECT_EQ(clicks.press(kLeftButton, 110, 96, 1900), Kind::Press);
    EXPECT_EQ(clicks.press(kRightButton, 110, 96, 1950), Kind::Press);
    EXPECT_EQ(clicks.press(kRightButton, 110, 96, 2000), Kind::DoubleClick);
}

TEST(X11Input, ADoubleClickAcrossTheServersClockWrappingAroundIsStillOne) {
    DoubleClicks clicks;
    EXPECT_EQ(clicks.press(kLeftButton, 5, 5, 0xFFFFFF00UL), Kind::Press);
    EXPECT_EQ(clicks.press(kLeftButton, 5, 5, 0x50UL), Kind::DoubleClick);
}

TEST(X11Input, KeysGiveTheCodesEveryBackendGives) {
    EXPECT_EQ(toKeyEvent(XK_a, 0).keyCode, 'A');
    EXPECT_EQ(toKeyEvent(XK_z, ShiftMask).keyCode, 'Z');
    EXPECT_EQ(toKeyEvent(XK_7, 0).keyCode, '7');
    EXPECT_EQ(toKeyEvent(XK_KP_3, 0).keyCode, '3');
    EXPECT_EQ(toKeyEvent(XK_F5, 0).keyCode, static_cast<int>(XK_F5));
    // A modifier alone counts in its own press's shift state; the others held stay.
    EXPECT_EQ(toKeyEvent(XK_Shift_L, 0).shift, kShiftKey);
    EXPECT_EQ(toKeyEvent(XK_Control_R, Mod1Mask).shift, kCtrlKey | kAltKey);
    EXPECT_EQ(toKeyEvent(XK_Alt_L, 0).shift, kAltKey);
    EXPECT_EQ(toKeyEvent(XK_space, ShiftMask | ControlMask).shift, kShiftKey | kCtrlKey);
}

TEST(X11Input, TheWheelIsNoPressAndOtherButtonsAreOnesWithoutANameOfOurs) {
    EXPECT_EQ(buttonOf(Button1), kLeftButton);
    EXPECT_EQ(buttonOf(Button2), kMiddleButton);
    EXPECT_EQ(buttonOf(Button3), kRightButton);
    for (unsigned wheel : {4u, 5u, 6u, 7u}) EXPECT_FALSE(buttonOf(wheel).has_value()) << wheel;
    EXPECT_EQ(buttonOf(8), kNoButton);
    EXPECT_EQ(buttonsHeldIn(Button1Mask | Button3Mask), kLeftButton | kRightButton);
}

}  // namespace
}  // namespace glint::platform::x11
