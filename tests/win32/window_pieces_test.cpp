// The window backend's pieces that need no window: the input messages in the platform's codes,
// the rectangles a presentation repaints, pictures stretched into an image control.

#include <gtest/gtest.h>

#include "platform/win32/rect_list.h"
#include "platform/win32/stretched_picture.h"
#include "platform/win32/win32_input.h"
#include "tests/win32/window_fixture.h"

namespace glint::platform::win32 {
namespace {

using testing::at;

TEST(Win32Input, MouseMessagesGiveTheButtonThatChangedOrTheButtonsHeld) {
    const RawMouse press = toRawMouse(WM_RBUTTONDOWN, MK_RBUTTON | MK_LBUTTON, at(5, 7), false);
    EXPECT_EQ(press.kind, RawMouse::Kind::Press);
    EXPECT_EQ(press.button, kRightButton);
    const RawMouse release = toRawMouse(WM_MBUTTONUP, MK_CONTROL, at(5, 7), true);
    EXPECT_EQ(release.kind, RawMouse::Kind::Release);
    EXPECT_EQ(release.button, kMiddleButton);
    EXPECT_EQ(release.shift, kCtrlKey | kAltKey);
    const RawMouse second = toRawMouse(WM_LBUTTONDBLCLK, MK_LBUTTON, at(5, 7), false);
    EXPECT_EQ(second.kind, RawMouse::Kind::DoubleClick);
    EXPECT_EQ(second.button, kLeftButton);
    // Under the capture, left of and above the window.
    const RawMouse move =
        toRawMouse(WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON | MK_SHIFT, at(-40, -3), false);
    EXPECT_EQ(move.kind, RawMouse::Kind::Move);
    EXPECT_EQ(move.button, kLeftButton | kRightButton);
    EXPECT_EQ(move.shift, kShiftKey);
    EXPECT_EQ(move.x, -40);
    EXPECT_EQ(move.y, -3);
    EXPECT_FALSE(isMouseMessage(WM_MOUSEWHEEL));
}

TEST(Win32Input, KeysGiveLettersInUpperCaseDigitsAndOtherwiseTheirVirtualKey) {
    EXPECT_EQ(toKeyEvent('Z', kNoShift).keyCode, 'Z');
    EXPECT_EQ(toKeyEvent('4', kNoShift).keyCode, '4');
    EXPECT_EQ(toKeyEvent(VK_NUMPAD0, kNoShift).keyCode, '0');
    EXPECT_EQ(toKeyEvent(VK_NUMPAD9, kNoShift).keyCode, '9');
    EXPECT_EQ(toKeyEvent(VK_F1, kNoShift).keyCode, VK_F1);
    // A modifier key counts in the shift state of its own press.
    EXPECT_EQ(toKeyEvent(VK_SHIFT, kNoShift).shift, kShiftKey);
    EXPECT_EQ(toKeyEvent(VK_CONTROL, kShiftKey).shift, kShiftKey | kCtrlKey);
    EXPECT_EQ(toKeyEvent(VK_MENU, kNoShift).shift, kAltKey);
    EXPECT_EQ(toKeyEvent('A', kCtrlKey).shift, kCtrlKey);
}

TEST(RectList, RectanglesThatMeetAreRepaintedOnceAsOne) {
    // A picture sliding 7 pixels: where it was and where it is.
    EXPECT_EQ(merged({{100, 50, 300, 200}, {107, 50, 300, 200}}),
              (std::vector<Rect>{{100, 50, 307, 200}}));
    // Two columns of a sweep side by side touch; a third far off stays apart.
    EXPECT_EQ(merged({{10, 0, 1, 100}, {11, 0, 1, 100}, {500, 0, 1, 100}, {}}),
              (std::vector<Rect>{{10, 0, 2, 100}, {500, 0, 1, 100}}));
    // A merge that grows into a rectangle looked at before takes that one in too.
    EXPECT_EQ(merged({{0, 0, 10, 10}, {50, 0, 10, 10}, {5, 0, 50, 10}}),
              (std::vector<Rect>{{0, 0, 60, 10}}));
    std::vector<Rect> scattered;
    for (int i = 0; i < 40; ++i) scattered.push_back({i * 10, i * 10, 2, 2});
    EXPECT_EQ(merged(scattered), (std::vector<Rect>{{0, 0, 392, 392}}));
}

TEST(StretchedPicture, EachPixelIsTheMeanOfThoseItCoversAndHolesStayHoles) {
    Image picture(4, 2);
    const Rgb colors[] = {rgb(0, 0, 0), rgb(200, 100, 50), rgb(10, 10, 10), rgb(30, 30, 30)};
    for (int x = 0; x < 4; ++x) {
        picture.setPixel(x, 0, colors[x]);
        picture.setPixel(x, 1, colors[x]);
    }
    const Image half = stretched(picture, 2, 1);
    EXPECT_EQ(half.pixel(0, 0), rgb(100, 50, 25));
    EXPECT_EQ(half.pixel(1, 0), rgb(20, 20, 20));
    const Image wide = stretched(picture, 8, 4);
    EXPECT_EQ(wide.pixel(2, 3), rgb(200, 100, 50));
    EXPECT_EQ(wide.pixel(3, 0), rgb(200, 100, 50));

    // A pixel covering mostly holes is a hole; one with fewer holes than colours is coloured.
    picture.setPixel(0, 0, kNoColor);
    picture.setPixel(1, 0, kNoColor);
    picture.setPixel(0, 1, kNoColor);
    picture.setPixel(2, 0, kNoColor);
    const Image holes = stretched(picture, 2, 1);
    EXPECT_EQ(holes.pixel(0, 0), kNoColor);
    EXPECT_EQ(holes.pixel(1, 0), rgb(23, 23, 23));
}

}  // namespace
}  // namespace glint::platform::win32
