// The covers of the other monitors while the show runs, under the Windows backend: black, and
// what the user does over them reaches the show's handlers at the same place of the desktop.

#include "platform/win32/monitor_covers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/win32/window_fixture.h"

namespace glint::platform::win32 {
namespace {

using testing::at;
using testing::shownPixel;
using testing::WindowFixture;

struct MonitorCoversTest : ::testing::Test, WindowFixture {
    void SetUp() override {
        show.setMaximized(true);
        show.setBorderless(true);
        show.setBackColor(rgb(200, 0, 0));
        show.onClick = [&] { ++clicks; };
        show.onKeyDown = [&](const KeyEvent& event) { keys.push_back(event.keyCode); };
        show.onMouseMove = [&](const MouseEvent& event) { moves.push_back(event); };
        runtime.start(show);
        window = runtime.ownerWindow(show);
        ASSERT_NE(window, nullptr);
    }

    Form show{"Form1", "glintsaver"};
    HWND window = nullptr;
    int clicks = 0;
    std::vector<int> keys;
    std::vector<MouseEvent> moves;
};

TEST_F(MonitorCoversTest, ACoverIsBlackAndItsInputIsTheShowsAtTheSamePlaceOfTheDesktop) {
    // Where a second monitor would be; on the screen this machine has, so its pixels show.
    MonitorCovers* made = runtime.monitorCovers();
    ASSERT_NE(made, nullptr);
    MonitorCovers& covers = *made;
    covers.cover({RECT{100, 200, 300, 350}});
    ASSERT_EQ(covers.windows().size(), 1u);
    HWND cover = covers.windows()[0];
    settle();
    EXPECT_EQ(shownPixel(cover, 50, 50), rgb(0, 0, 0));
    EXPECT_NE(GetWindowLongW(cover, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);

    PostMessageW(cover, WM_MOUSEMOVE, 0, at(10, 20));
    PostMessageW(cover, WM_LBUTTONDOWN, MK_LBUTTON, at(10, 20));
    PostMessageW(cover, WM_LBUTTONUP, 0, at(10, 20));
    PostMessageW(cover, WM_KEYDOWN, 'Q', 0);
    ASSERT_TRUE(passUntil([&] { return clicks == 1 && keys.size() == 1; }));
    // (The system may add a move of its own over the show.)
    const float x = pixelsToTwips(110);
    const float y = pixelsToTwips(220);
    EXPECT_TRUE(std::any_of(moves.begin(), moves.end(),
                            [&](const MouseEvent& move) { return move.x == x && move.y == y; }));
    EXPECT_EQ(keys[0], 'Q');

    // The display changed and this machine has one monitor: no cover is left.
    covers.coverMonitors();
    EXPECT_TRUE(covers.windows().empty() || GetSystemMetrics(SM_CMONITORS) > 1);
    EXPECT_FALSE(IsWindow(cover));
}

}  // namespace
}  // namespace glint::platform::win32
