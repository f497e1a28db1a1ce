// The Windows runtime: timers from the message loop, the player's full-screen window, modal
// dialogs, the hold, minimising, and the error report that ends a program.

#include "platform/win32/win32_runtime.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/command_button.h"
#include "platform/timer.h"
#include "tests/win32/failing_program.h"
#include "tests/win32/window_fixture.h"

namespace glint::platform::win32 {
namespace {

using testing::at;
using testing::WindowFixture;

struct Win32RuntimeTest : ::testing::Test, WindowFixture {};

TEST_F(Win32RuntimeTest, TimersTickFromTheMessageLoopUntilTheWindowIsClosed) {
    Form form("Ticking", "Glint test");
    form.setClientSize(120, 80);
    Timer timer(timers, "Timer1", 20, true);
    int ticks = 0;
    timer.onTick = [&] {
        if (++ticks == 3) PostMessageW(runtime.ownerWindow(form), WM_CLOSE, 0, 0);
    };
    const std::int64_t begun = clock.nowMs();
    EXPECT_EQ(runtime.run(form), 0);
    EXPECT_GE(ticks, 3);
    EXPECT_GE(clock.nowMs() - begun, 3 * 20);
}

TEST_F(Win32RuntimeTest, AMaximisedBorderlessFormCoversThePrimaryScreenInFrontWithTheKeyboard) {
    Form form("Show", "Glint test");
    form.onLoad = [&] {
        form.setBorderless(true);
        form.setMaximized(true);
    };
    runtime.start(form);
    const HWND window = runtime.ownerWindow(form);
    ASSERT_NE(window, nullptr);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.left, 0);
    EXPECT_EQ(outer.top, 0);
    EXPECT_EQ(outer.right, width);
    EXPECT_EQ(outer.bottom, height);
    EXPECT_EQ(form.clientWidth(), width);
    EXPECT_EQ(form.clientHeight(), height);
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_NE(style & WS_POPUP, 0);
    EXPECT_EQ(style & WS_CAPTION, 0);
    EXPECT_NE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(GetFocus(), window);
}

TEST_F(Win32RuntimeTest, TheHoldHandlesNoEventsAndAMinimisedFormIsShownAgainAsUsual) {
    Form form("Holding", "Glint test");
    form.setBorderless(true);
    form.setClientSize(120, 80);
    int keys = 0;
    form.onKeyDown = [&](const KeyEvent&) {
        ++keys;
        form.setMinimized(true);
    };
    runtime.start(form);
    const HWND window = runtime.ownerWindow(form);
    PostMessageW(window, WM_KEYDOWN, 'A', 0);
    const std::int64_t begun = clock.nowMs();
    runtime.hold();
    EXPECT_GE(clock.nowMs() - begun, kHoldMs);
    EXPECT_EQ(keys, 0);
    ASSERT_TRUE(passUntil([&] { return keys == 1; }));

    ASSERT_TRUE(passUntil([&] { return IsIconic(window) != FALSE; }));
    EXPECT_TRUE(form.minimized());
    ShowWindow(window, SW_RESTORE);
    ASSERT_TRUE(passUntil([&] { return !form.minimized(); }));
}

TEST_F(Win32RuntimeTest, AModalDialogKeepsItsOwnerFromInputUntilItIsClosed) {
    Form owner("Owner", "Glint test");
    owner.setClientSize(200, 150);
    Form dialog("Dialog", "Glint dialog");
    dialog.setClientSize(160, 90);
    CommandButton close("Close", "关闭");
    close.setPixelSize(60, 24);
    close.setLeft(pixelsToTwips(50));
    close.setTop(pixelsToTwips(40));
    dialog.addControl(close);
    close.onClick = [&] { dialog.close(); };

    bool loaded = false;
    dialog.onLoad = [&] { loaded = true; };
    runtime.start(owner);
    const HWND ownerWindow = runtime.ownerWindow(owner);
    // Looks at the dialog from the owner's timer, which keeps ticking meanwhile, then clicks its
    // button.
    Timer look(timers, "Look", 30, true);
    HWND dialogWindow = nullptr;
    bool ownerTookInput = true;
    look.onTick = [&] {
        dialogWindow = runtime.ownerWindow(dialog);
        if (!dialogWindow) return;
        look.setEnabled(false);
        ownerTookInput = IsWindowEnabled(ownerWindow) != FALSE;
        const HWND button = FindWindowExW(dialogWindow, nullptr, L"Button", nullptr);
        PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, at(5, 5));
        PostMessageW(button, WM_LBUTTONUP, 0, at(5, 5));
    };
    runtime.showModal(dialog, owner);

    EXPECT_TRUE(loaded);
    EXPECT_TRUE(dialog.closed());
    ASSERT_NE(dialogWindow, nullptr);
    EXPECT_FALSE(ownerTookInput);
    EXPECT_TRUE(IsWindowEnabled(ownerWindow));
    EXPECT_FALSE(IsWindow(dialogWindow));
    EXPECT_EQ(runtime.ownerWindow(dialog), nullptr);
}

TEST_F(Win32RuntimeTest, ADialogHasACaptionWithoutButtonsAndStaysInFrontOfItsOwner) {
    Form owner("Owner", "Glint test");
    owner.setClientSize(200, 150);
    Form dialog("Dialog", "生成屏幕保护程序：");
    dialog.setClientSize(160, 90);
    runtime.start(owner);
    const HWND ownerWindow = runtime.ownerWindow(owner);
    Timer look(timers, "Look", 30, true);
    LONG style = 0;
    HWND dialogOwner = nullptr;
    std::wstring title(32, L'\0');
    look.onTick = [&] {
        const HWND window = runtime.ownerWindow(dialog);
        if (!window) return;
        style = GetWindowLongW(window, GWL_STYLE);
        dialogOwner = GetWindow(window, GW_OWNER);
        title.resize(static_cast<std::size_t>(GetWindowTextW(window, title.data(), 32)));
        // The close button of the title bar would send this; a dialog closes only by its own.
        SendMessageW(window, WM_CLOSE, 0, 0);
        dialog.close();
    };
    runtime.showModal(dialog, owner);
    EXPECT_NE(style & WS_CAPTION, 0);
    EXPECT_EQ(style & WS_SYSMENU, 0);
    EXPECT_EQ(dialogOwner, ownerWindow);
    EXPECT_EQ(title, L"生成屏幕保护程序：");
}

TEST(Win32RuntimeFailure, AFailureInAHandlerEndsTheProgramWithTheReportAndStatusOne) {
    const testing::FailureReport report = testing::watchFailingProgram();
    ASSERT_TRUE(report.started);
    EXPECT_TRUE(report.boxShown);
    EXPECT_EQ(report.boxTitle, L"Glint test");
    EXPECT_EQ(report.boxText, L"pb.dat is broken: 照片.jpg");
    EXPECT_FALSE(report.windowVisibleUnderBox);
    EXPECT_EQ(report.exitCode, 1u);
    EXPECT_NE(report.errorOutput.find("Glint test: pb.dat is broken: 照片.jpg"), std::string::npos)
        << report.errorOutput;
}

}  // namespace
}  // namespace glint::platform::win32
