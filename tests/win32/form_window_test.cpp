// A form shown in a real window under the Windows backend: what reaches the screen, and what the
// user's mouse and keys reach.

#include "platform/win32/form_window.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "platform/command_button.h"
#include "platform/label.h"
#include "platform/picture_box.h"
#include "platform/text_box.h"
#include "platform/win32/win32_text_metrics.h"
#include "tests/win32/window_fixture.h"

namespace glint::platform::win32 {
namespace {

using testing::at;
using testing::shownPixel;
using testing::WindowFixture;

constexpr Rgb kBack = rgb(20, 40, 120);
constexpr Rgb kRed = rgb(230, 20, 10);
constexpr Rgb kGreen = rgb(10, 200, 30);
constexpr Rgb kYellow = rgb(255, 255, 0);

float twips(int pixels) {
    return pixelsToTwips(pixels);
}

// A window at (40, 30) with a client area of 240 x 160: a caption, a red 10 x 8 picture in a
// bordered box at (20, 20), a button and a text box.
struct SampleForm : Form {
    explicit SampleForm(const TextMetrics& metrics)
        : Form("Sample", "Glint test"),
          Caption("Caption", "Glint 示例", &metrics),
          Box("Box"),
          Ok("Ok", "确定"),
          Text("Text", "") {
        setBackColor(kBack);
        setLeft(twips(40));
        setTop(twips(30));
        setClientSize(240, 160);
        Caption.setForeColor(kYellow);
        Caption.setTransparent(true);
        Caption.setLeft(twips(100));
        Caption.setTop(twips(10));
        Box.setPicture(Image(10, 8, kRed));
        Box.setLeft(twips(20));
        Box.setTop(twips(20));
        Ok.setPixelSize(70, 25);
        Ok.setLeft(twips(100));
        Ok.setTop(twips(100));
        Text.setPixelSize(100, 22);
        Text.setLeft(twips(100));
        Text.setTop(twips(60));
        for (Control* c : std::initializer_list<Control*>{&Caption, &Box, &Ok, &Text}) {
            addControl(*c);
        }
    }

    Label Caption;
    PictureBox Box;
    CommandButton Ok;
    TextBox Text;
};

struct FormWindowTest : ::testing::Test, WindowFixture {
    void SetUp() override {
        runtime.start(form);
        window = runtime.ownerWindow(form);
        ASSERT_NE(window, nullptr);
    }

    HWND child(const wchar_t* windowClass) const {
        return FindWindowExW(window, nullptr, windowClass, nullptr);
    }

    Win32TextMetrics metrics;
    SampleForm form{metrics};
    HWND window = nullptr;
};

TEST_F(FormWindowTest, TheWindowTakesTheFormsPlaceWithTheFormsSizeAsItsClientArea) {
    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.left, 40);
    EXPECT_EQ(outer.top, 30);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 240);
    EXPECT_EQ(client.bottom, 160);
    EXPECT_EQ(form.clientWidth(), 240);
    EXPECT_EQ(form.clientHeight(), 160);
    // A title bar above the client area.
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    EXPECT_GT(origin.y, 40);
    EXPECT_NE(GetWindowLongW(window, GWL_STYLE) & WS_CAPTION, 0);

    // The logic moves the window; the user (or the system) moves it, and the form follows.
    form.setLeft(twips(70));
    runtime.ownerWindow(form);
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.left, 70);
    SetWindowPos(window, nullptr, 90, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(form.left(), twips(90));
    EXPECT_EQ(form.top(), twips(50));
}

TEST_F(FormWindowTest, PixelsAndDrawnControlsReachTheScreenAtTheNextEventPass) {
    form.surface().setPixel(200, 140, kGreen);
    runtime.doEvents();
    EXPECT_EQ(shownPixel(window, 200, 140), kGreen);
    EXPECT_EQ(shownPixel(window, 5, 5), kBack);
    // The picture box: two sunken rings, then the picture.
    EXPECT_EQ(shownPixel(window, 20, 20), ControlPainter::kOuterShadow);
    EXPECT_EQ(shownPixel(window, 21, 21), ControlPainter::kInnerShadow);
    EXPECT_EQ(shownPixel(window, 22, 22), kRed);
    EXPECT_EQ(shownPixel(window, 31, 29), kRed);
    EXPECT_EQ(shownPixel(window, 32, 30), ControlPainter::kInnerLight);
    EXPECT_EQ(shownPixel(window, 33, 31), ControlPainter::kOuterLight);
    // The caption's text in its colour, within the size it measured.
    const Rect& caption = form.Caption.pixelRect();
    ASSERT_GT(caption.width, 20);
    int yellow = 0;
    for (int y = caption.y; y < caption.bottom(); ++y) {
        for (int x = caption.x; x < caption.right(); ++x) {
            const Rgb c = shownPixel(window, x, y);
            if ((c >> 16) > 200 && ((c >> 8) & 0xFF) > 200 && (c & 0xFF) < 100) ++yellow;
        }
    }
    EXPECT_GT(yellow, 20);

    // A control that moves leaves the surface behind it; a refresh paints the surface over.
    form.Box.setLeft(twips(50));
    runtime.doEvents();
    EXPECT_EQ(shownPixel(window, 22, 22), kBack);
    EXPECT_EQ(shownPixel(window, 52, 22), kRed);
    form.refresh();
    runtime.doEvents();
    EXPECT_EQ(shownPixel(window, 200, 140), kBack);
    EXPECT_EQ(shownPixel(window, 52, 22), kRed);
}

TEST_F(FormWindowTest, MouseAndKeysReachTheHandlersInTheControlsScaleUnits) {
    std::vector<MouseEvent> downs;
    int clicks = 0;
    int doubleClicks = 0;
    std::vector<KeyEvent> keys;
    form.Box.onMouseDown = [&](const MouseEvent& event) { downs.push_back(event); };
    form.Box.onClick = [&] { ++clicks; };
    form.onDblClick = [&] { ++doubleClicks; };
    form.onKeyDown = [&](const KeyEvent& event) { keys.push_back(event); };

    // From the box's inner corner at (22, 22), in twips.
    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at(25, 27));
    PostMessageW(window, WM_LBUTTONUP, 0, at(25, 27));
    ASSERT_TRUE(passUntil([&] { return clicks == 1; }));
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].x, 45.f);
    EXPECT_EQ(downs[0].y, 75.f);
    EXPECT_EQ(downs[0].button, kLeftButton);
    // In pixels once its inner coordinates are pixels.
    form.Box.setScaleModePixels(true);
    PostMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON | MK_SHIFT, at(30, 22));
    ASSERT_TRUE(passUntil([&] { return downs.size() == 2; }));
    EXPECT_EQ(downs[1].x, 8.f);
    EXPECT_EQ(downs[1].y, 0.f);
    EXPECT_EQ(downs[1].button, kRightButton);
    EXPECT_EQ(downs[1].shift, kShiftKey);

    PostMessageW(window, WM_LBUTTONDBLCLK, MK_LBUTTON, at(200, 140));
    PostMessageW(window, WM_KEYDOWN, 'Q', 0);
    PostMessageW(window, WM_KEYDOWN, VK_NUMPAD7, 0);
    PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(passUntil([&] { return keys.size() == 3; }));
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(keys[0].keyCode, 'Q');
    EXPECT_EQ(keys[1].keyCode, '7');
    EXPECT_EQ(keys[2].keyCode, VK_ESCAPE);
}

TEST_F(FormWindowTest, TheCaptureFollowsTheFormAndBringsMovesFromOutsideTheWindow) {
    std::vector<MouseEvent> moves;
    form.Box.onMouseDown = [&](const MouseEvent&) { form.setMouseCapture(&form.Box); };
    form.Box.onMouseMove = [&](const MouseEvent& event) { moves.push_back(event); };
    form.Box.onMouseUp = [&](const MouseEvent&) { form.setMouseCapture(nullptr); };

    PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at(25, 27));
    ASSERT_TRUE(passUntil([&] { return GetCapture() == window; }));
    PostMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, at(-30, 200));
    ASSERT_TRUE(passUntil([&] { return moves.size() == 1; }));
    EXPECT_EQ(moves[0].x, twips(-30 - 22));
    EXPECT_EQ(moves[0].y, twips(200 - 22));
    EXPECT_EQ(moves[0].button, kLeftButton);
    PostMessageW(window, WM_LBUTTONUP, 0, at(-30, 200));
    ASSERT_TRUE(passUntil([&] { return GetCapture() != window; }));
}

TEST_F(FormWindowTest, AControlWhosePointerIsTheHandShowsItWhileThePointerIsOverIt) {
    form.Box.setMousePointer(MousePointer::Hand);
    const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    PostMessageW(window, WM_MOUSEMOVE, 0, at(25, 25));
    ASSERT_TRUE(passUntil([&] { return GetCursor() == hand; }));
    PostMessageW(window, WM_MOUSEMOVE, 0, at(200, 25));
    ASSERT_TRUE(passUntil([&] { return GetCursor() == LoadCursorW(nullptr, IDC_ARROW); }));
}

TEST_F(FormWindowTest, ButtonsAndTextBoxesAreRealWindowsThatReachTheirControls) {
    const HWND button = child(L"Button");
    const HWND edit = child(L"Edit");
    ASSERT_NE(button, nullptr);
    ASSERT_NE(edit, nullptr);
    wchar_t caption[16] = {};
    GetWindowTextW(button, caption, 16);
    EXPECT_STREQ(caption, L"确定");
    RECT placed{};
    GetWindowRect(button, &placed);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&placed), 2);
    EXPECT_EQ(placed.left, 100);
    EXPECT_EQ(placed.top, 100);
    EXPECT_EQ(placed.right - placed.left, 70);
    // No default button: its style is a plain push button.
    EXPECT_EQ(GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON);

    int clicks = 0;
    form.Ok.onClick = [&] { ++clicks; };
    PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, at(5, 5));
    PostMessageW(button, WM_LBUTTONUP, 0, at(5, 5));
    ASSERT_TRUE(passUntil([&] { return clicks == 1; }));
    EXPECT_EQ(form.focusedControl(), &form.Ok);
    PostMessageW(button, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(passUntil([&] { return clicks == 2; }));

    // Tab goes along the z-order, round to the start.
    PostMessageW(button, WM_KEYDOWN, VK_TAB, 0);
    ASSERT_TRUE(passUntil([&] { return GetFocus() == edit; }));
    EXPECT_EQ(form.focusedControl(), &form.Text);
    PostMessageW(edit, WM_CHAR, L'照', 0);
    PostMessageW(edit, WM_CHAR, L'片', 0);
    ASSERT_TRUE(passUntil([&] { return form.Text.text() == "照片"; }));
    PostMessageW(edit, WM_KEYDOWN, VK_TAB, 0);
    ASSERT_TRUE(passUntil([&] { return GetFocus() == button; }));

    // The program's own changes reach the windows after a handler.
    form.Ok.setCaption("取消");
    form.Text.setText("Glint");
    form.Ok.setVisible(false);
    runtime.ownerWindow(form);
    GetWindowTextW(button, caption, 16);
    EXPECT_STREQ(caption, L"取消");
    EXPECT_FALSE(IsWindowVisible(button));
    EXPECT_EQ(form.Text.text(), "Glint");
    wchar_t text[16] = {};
    GetWindowTextW(edit, text, 16);
    EXPECT_STREQ(text, L"Glint");
}

// What the shell posts for files dropped from Explorer: wide names, each ended by a zero, and one
// more zero at the end. The window's DragFinish frees it.
HGLOBAL droppedFiles(const std::vector<std::wstring>& names) {
    std::size_t characters = 1;
    for (const std::wstring& name : names) characters += name.size() + 1;
    HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + characters * sizeof(wchar_t));
    auto* header = static_cast<DROPFILES*>(GlobalLock(memory));
    header->pFiles = sizeof(DROPFILES);
    header->fWide = TRUE;
    auto* at = reinterpret_cast<wchar_t*>(header + 1);
    for (const std::wstring& name : names) {
        std::copy(name.begin(), name.end(), at);
        at += name.size() + 1;
    }
    GlobalUnlock(memory);
    return memory;
}

TEST(FormWindowDrop, DroppedFilesReachTheFormInTheirOrderAsUtf8PathsUnlessItsInputIsBlocked) {
    WindowFixture fixture;
    Form form("Drop", "Glint test");
    form.setLeft(twips(40));
    form.setTop(twips(30));
    form.setClientSize(200, 100);
    std::vector<std::vector<std::string>> drops;
    form.onDropFiles = [&](const std::vector<std::string>& paths) { drops.push_back(paths); };
    fixture.runtime.start(form);
    const HWND window = fixture.runtime.ownerWindow(form);
    ASSERT_NE(window, nullptr);
    EXPECT_NE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES, 0);

    const HGLOBAL drop = droppedFiles({L"C:\\照片\\海边 1.jpg", L"D:\\假日"});
    PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    ASSERT_TRUE(fixture.passUntil([&] { return drops.size() == 1; }));
    EXPECT_EQ(drops[0], (std::vector<std::string>{"C:\\照片\\海边 1.jpg", "D:\\假日"}));

    form.setInputBlocked(true);
    PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(droppedFiles({L"C:\\b.jpg"})), 0);
    fixture.settle();
    EXPECT_EQ(drops.size(), 1u);
}

}  // namespace
}  // namespace glint::platform::win32
