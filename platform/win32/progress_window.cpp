#include "platform/win32/progress_window.h"

#include <stdexcept>

#include "platform/win32/form_window_class.h"
#include "platform/win32/wide_text.h"

namespace glint::platform::win32 {
namespace {

constexpr const wchar_t* kProgressClass = L"GlintProgress";
// The client area and its parts, in pixels.
constexpr int kWidth = 460;
constexpr int kHeight = 120;
constexpr int kMargin = 16;
constexpr int kButtonWidth = 88;
constexpr int kButtonHeight = 26;

}  // namespace

Win32Progress::Win32Progress(HWND owner, const std::string& title, const std::string& cancelButton)
    : m_font(defaultFont()) {
    registerWindowClass(kProgressClass, &procedure, GetSysColorBrush(COLOR_BTNFACE));
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    const DWORD exStyle = WS_EX_DLGMODALFRAME;
    RECT outer{0, 0, kWidth, kHeight};
    AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    RECT over{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner) GetWindowRect(owner, &over);
    const int x = (over.left + over.right - width) / 2;
    const int y = (over.top + over.bottom - height) / 2;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    m_window = CreateWindowExW(exStyle, kProgressClass, widen(title).c_str(), style, x, y, width,
                               height, owner, nullptr, instance, this);
    if (!m_window) throw std::runtime_error("Cannot make the progress window");
    m_text =
        CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, kMargin,
                        kMargin, kWidth - 2 * kMargin, 40, m_window, nullptr, instance, nullptr);
    const HWND button = CreateWindowExW(
        0, L"BUTTON", widen(cancelButton).c_str(),
        WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, kWidth - kMargin - kButtonWidth,
        kHeight - kMargin - kButtonHeight, kButtonWidth, kButtonHeight, m_window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDCANCEL)), instance, nullptr);
    for (const HWND child : {m_text, button}) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.handle()), TRUE);
    }
    ShowWindow(m_window, SW_SHOW);
    UpdateWindow(m_window);
}

Win32Progress::~Win32Progress() {
    if (m_window) DestroyWindow(m_window);
}

void Win32Progress::update(const std::string& text, int, int) {
    SetWindowTextW(m_text, widen(text).c_str());
}

LRESULT CALLBACK Win32Progress::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = windowOwner<Win32Progress>(window, message, lParam);
    if (self && message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->m_window = nullptr;
    }
    // The button and the close box ask to stop; the task closes the window when it has.
    const bool cancel =
        (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) || message == WM_CLOSE;
    if (self && cancel) {
        self->m_cancelled = true;
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace glint::platform::win32
