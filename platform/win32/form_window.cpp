#include "platform/win32/form_window.h"

#include <exception>
#include <stdexcept>

#include "package/text_encoding.h"
#include "platform/win32/form_window_class.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_input.h"

namespace glint::platform::win32 {
namespace {

COLORREF colorRef(Rgb color) {
    return RGB((color >> 16) & 0xFF, (color >> 8) & 0xFF, color & 0xFF);
}

}  // namespace

FormWindow::FormWindow(Form& form, Hooks hooks, Role role, HWND owner, HCURSOR hand)
    : m_form(form),
      m_hooks(std::move(hooks)),
      m_role(role),
      m_hand(hand),
      m_router(form),
      m_font(defaultFont()),
      m_presenter(m_font.handle()) {
    registerFormWindowClass(&windowProc);
    const WindowStyles styles = stylesFor(form, role == Role::Dialog);
    if (form.maximized()) {
        const int width = GetSystemMetrics(SM_CXSCREEN);
        const int height = GetSystemMetrics(SM_CYSCREEN);
        form.setPixelRect({0, 0, width, height});
    }
    const Rect& r = form.pixelRect();
    RECT outer{0, 0, r.width, r.height};
    AdjustWindowRectEx(&outer, styles.style, FALSE, styles.exStyle);
    m_outer = {outer.right - outer.left, outer.bottom - outer.top};
    const std::wstring title = widen(package::displayText(form.title()));
    m_window =
        CreateWindowExW(styles.exStyle, kFormWindowClass, title.c_str(), styles.style, r.x, r.y,
                        m_outer.cx, m_outer.cy, owner, nullptr, GetModuleHandleW(nullptr), this);
    if (!m_window) throw std::runtime_error("Cannot make the window of " + form.name());
    if (form.onDropFiles) DragAcceptFiles(m_window, TRUE);
    m_children = std::make_unique<ChildWindows>(
        form, m_window, m_font.handle(),
        ChildWindows::Hooks{
            [this](const std::function<void()>& handler) { deliver(handler); },
            [this](const KeyEvent& event) { deliver([&] { m_router.key(event); }); },
            [this](const std::string& message) { m_hooks.failed(message); }});
}

FormWindow::~FormWindow() {
    m_children.reset();
    // Stopped first: a window the program takes away itself does not end the message loop.
    m_stopped = true;
    if (m_window) {
        if (GetCapture() == m_window) ReleaseCapture();
        DestroyWindow(m_window);
    }
    if (m_backBrush) DeleteObject(m_backBrush);
}

HWND FormWindow::windowOf(const Control* control) const {
    return m_children ? m_children->windowOf(control) : nullptr;
}

void FormWindow::show() {
    const Rect& r = m_form.pixelRect();
    m_placed = {r.x, r.y};
    m_moving = true;
    const HWND order = m_form.maximized() ? HWND_TOPMOST : HWND_TOP;
    SetWindowPos(m_window, order, r.x, r.y, m_outer.cx, m_outer.cy, SWP_SHOWWINDOW);
    m_moving = false;
    m_shown = true;

    RECT client{};
    GetClientRect(m_window, &client);
    m_form.setClientSize(client.right, client.bottom);
    SetForegroundWindow(m_window);
    BringWindowToTop(m_window);
    focusForm();
    GetCursorPos(&m_pointer);
    ScreenToClient(m_window, &m_pointer);
    followForm();
    UpdateWindow(m_window);
}

void FormWindow::focusForm() {
    HWND focus = windowOf(m_form.focusedControl());
    SetFocus(focus ? focus : m_window);
}

void FormWindow::stop() {
    m_stopped = true;
    if (m_grabbing) ReleaseCapture();
    m_grabbing = false;
    if (m_window) ShowWindow(m_window, SW_HIDE);
}

void FormWindow::present(bool immediately) {
    if (!m_shown || m_stopped || m_minimized) return;
    m_presenter.present(m_form, m_window, immediately);
}

HBRUSH FormWindow::backBrush() {
    if (!m_backBrush) m_backBrush = CreateSolidBrush(colorRef(m_form.backColor()));
    return m_backBrush;
}

void FormWindow::followForm() {
    if (m_stopped || !m_shown) return;
    placeAtForm();
    const bool capture = m_form.mouseCapture() != nullptr;
    if (capture != m_grabbing) {
        m_grabbing = capture;
        if (capture) {
            SetCapture(m_window);
        } else if (GetCapture() == m_window) {
            ReleaseCapture();
        }
    }
    if (m_form.minimized() && !m_minimized && IsWindowVisible(m_window)) {
        ShowWindow(m_window, SW_MINIMIZE);
    }
    m_children->update();
    showPointerFor(m_pointer);
    present(false);
}

void FormWindow::yieldMouse() {
    if (!m_grabbing) return;
    m_grabbing = false;
    if (GetCapture() == m_window) ReleaseCapture();
}

void FormWindow::placeAtForm() {
    if (m_form.maximized() || m_minimized) return;
    const POINT wanted{m_form.pixelRect().x, m_form.pixelRect().y};
    if (wanted.x == m_placed.x && wanted.y == m_placed.y) return;
    m_placed = wanted;
    m_moving = true;
    SetWindowPos(m_window, nullptr, wanted.x, wanted.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_moving = false;
}

// A place the program did not ask for is the user's or the system's doing: from then on the
// form's position says so.
void FormWindow::moved() {
    if (m_moving || !m_shown || m_form.maximized() || IsIconic(m_window)) return;
    RECT outer{};
    GetWindowRect(m_window, &outer);
    if (outer.left == m_placed.x && outer.top == m_placed.y) return;
    m_placed = {outer.left, outer.top};
    m_form.setLeft(pixelsToTwips(outer.left));
    m_form.setTop(pixelsToTwips(outer.top));
}

void FormWindow::resized(WPARAM kind, int width, int height) {
    if (kind == SIZE_MINIMIZED) {
        m_minimized = true;
        return;
    }
    if (m_minimized) {
        m_minimized = false;
        // Shown again as usual: the form is no longer minimised.
        if (m_form.minimized()) m_form.setMinimized(false);
    }
    if (!m_shown) return;
    if (width != m_form.clientWidth() || height != m_form.clientHeight()) {
        m_form.setClientSize(width, height);
    }
    present(false);
}

bool FormWindow::handAt(POINT at) const {
    return m_router.targetAt(at.x, at.y).mousePointer() == MousePointer::Hand;
}

void FormWindow::showPointerFor(POINT at) {
    const bool hand = handAt(at);
    if (hand == m_handShown) return;
    m_handShown = hand;
    SetCursor(hand ? m_hand : LoadCursorW(nullptr, IDC_ARROW));
}

void FormWindow::deliver(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& failure) {
        m_hooks.failed(failure.what());
        return;
    } catch (...) {
        m_hooks.failed("Unknown failure");
        return;
    }
    followForm();
    if (m_hooks.handled) m_hooks.handled();
}

void FormWindow::mouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const RawMouse raw = toRawMouse(message, wParam, lParam, (GetKeyState(VK_MENU) & 0x8000) != 0);
    m_pointer = {raw.x, raw.y};
    deliver([&] { m_router.mouse(raw); });
}

void FormWindow::coverMouse(const RawMouse& raw) {
    deliver([&] { m_router.mouse(raw); });
}

void FormWindow::coverKey(const KeyEvent& key) {
    deliver([&] { m_router.key(key); });
}

void FormWindow::key(WPARAM virtualKey) {
    const KeyEvent event = toKeyEvent(virtualKey, currentShiftState());
    deliver([&] { m_router.key(event); });
}

void FormWindow::dropped(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring name(length + 1, L'\0');
        if (DragQueryFileW(drop, i, name.data(), length + 1) == 0) continue;
        name.resize(length);
        paths.push_back(narrow(name));
    }
    DragFinish(drop);
    if (paths.empty() || m_form.inputBlocked() || !m_form.onDropFiles) return;
    deliver([&] { m_form.onDropFiles(paths); });
}

LRESULT CALLBACK FormWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = windowOwner<FormWindow>(window, message, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        if (self) self->m_window = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (!self || self->m_stopped) return DefWindowProcW(window, message, wParam, lParam);
    self->m_window = window;
    try {
        return self->handleMessage(message, wParam, lParam);
    } catch (const std::exception& failure) {
        self->m_hooks.failed(failure.what());
    } catch (...) {
        self->m_hooks.failed("Unknown failure");
    }
    return 0;
}

LRESULT FormWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (isMouseMessage(message)) {
        mouse(message, wParam, lParam);
        return 0;
    }
    switch (message) {
        case WM_PAINT:
            m_presenter.paint(m_window, backBrush());
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SIZE:
            resized(wParam, LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_MOVE:
            moved();
            return 0;
        case WM_KEYDOWN:
            key(wParam);
            return 0;
        case WM_SYSKEYDOWN:
            // Then as usual, so Alt+F4 still closes a window that lets it.
            key(wParam);
            break;
        case WM_DROPFILES:
            dropped(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_TIMER:
            if (wParam == kTimerId && m_hooks.timer) m_hooks.timer();
            return 0;
        case WM_DISPLAYCHANGE:
            if (m_hooks.displayChanged) m_hooks.displayChanged();
            break;
        case WM_COMMAND:
            if (lParam != 0 && m_children &&
                m_children->command(reinterpret_cast<HWND>(lParam), HIWORD(wParam))) {
                return 0;
            }
            break;
        case WM_CTLCOLORBTN:
            // What shows around a button is the form's colour.
            return reinterpret_cast<LRESULT>(backBrush());
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wParam) == m_window && LOWORD(lParam) == HTCLIENT) {
                POINT at{};
                GetCursorPos(&at);
                ScreenToClient(m_window, &at);
                m_handShown = handAt(at);
                SetCursor(m_handShown ? m_hand : LoadCursorW(nullptr, IDC_ARROW));
                return TRUE;
            }
            break;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != m_window) m_grabbing = false;
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE && m_shown) {
                focusForm();
                return 0;
            }
            break;
        case WM_CLOSE:
            // A dialog closes only through its own buttons.
            if (m_role == Role::Dialog && !m_form.closed()) return 0;
            break;
        case WM_DESTROY:
            if (m_role == Role::Main) PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(m_window, message, wParam, lParam);
}

}  // namespace glint::platform::win32
