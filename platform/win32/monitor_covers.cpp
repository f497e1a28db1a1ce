#include "platform/win32/monitor_covers.h"

#include "platform/win32/form_window.h"
#include "platform/win32/form_window_class.h"
#include "platform/win32/win32_input.h"

namespace glint::platform::win32 {
namespace {

constexpr const wchar_t* kCoverClass = L"GlintMonitorCover";

BOOL CALLBACK noteMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoW(monitor, &info) && !(info.dwFlags & MONITORINFOF_PRIMARY)) {
        reinterpret_cast<std::vector<RECT>*>(areas)->push_back(info.rcMonitor);
    }
    return TRUE;
}

}  // namespace

MonitorCovers::MonitorCovers(FormWindow& show) : m_show(show) {
    registerWindowClass(kCoverClass, &coverProc, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    coverMonitors();
}

MonitorCovers::~MonitorCovers() {
    removeCovers();
}

void MonitorCovers::coverMonitors() {
    std::vector<RECT> areas;
    EnumDisplayMonitors(nullptr, nullptr, &noteMonitor, reinterpret_cast<LPARAM>(&areas));
    cover(areas);
}

void MonitorCovers::cover(const std::vector<RECT>& areas) {
    removeCovers();
    for (const RECT& area : areas) {
        // Never activated: the show keeps the keyboard.
        HWND cover = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                                     kCoverClass, L"", WS_POPUP, area.left, area.top,
                                     area.right - area.left, area.bottom - area.top,
                                     m_show.handle(), nullptr, GetModuleHandleW(nullptr), this);
        if (!cover) continue;
        m_covers.push_back(cover);
        ShowWindow(cover, SW_SHOWNOACTIVATE);
    }
}

void MonitorCovers::removeCovers() {
    for (HWND cover : m_covers) {
        SetWindowLongPtrW(cover, GWLP_USERDATA, 0);
        DestroyWindow(cover);
    }
    m_covers.clear();
}

LRESULT CALLBACK MonitorCovers::coverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = windowOwner<MonitorCovers>(window, message, lParam);
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    return self->handle(window, message, wParam, lParam);
}

LRESULT MonitorCovers::handle(HWND cover, UINT message, WPARAM wParam, LPARAM lParam) {
    if (isMouseMessage(message)) {
        RawMouse raw = toRawMouse(message, wParam, lParam, (GetKeyState(VK_MENU) & 0x8000) != 0);
        // Where the show's window would have it: one space for every monitor, so a move from
        // one to another is a move like any other.
        POINT at{raw.x, raw.y};
        ClientToScreen(cover, &at);
        ScreenToClient(m_show.handle(), &at);
        raw.x = at.x;
        raw.y = at.y;
        m_show.coverMouse(raw);
        return 0;
    }
    switch (message) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            m_show.coverKey(toKeyEvent(wParam, currentShiftState()));
            return 0;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_SETCURSOR:
            SetCursor(nullptr);
            return TRUE;
        default:
            return DefWindowProcW(cover, message, wParam, lParam);
    }
}

}  // namespace glint::platform::win32
