#include "platform/win32/child_windows.h"

#include <exception>
#include <stdexcept>
#include <string>

#include "package/text_encoding.h"
#include "platform/command_button.h"
#include "platform/text_box.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_input.h"

namespace glint::platform::win32 {
namespace {

std::wstring displayed(const std::string& text) {
    return widen(package::displayText(text));
}

std::wstring textOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

void setTextOf(HWND window, const std::wstring& text) {
    if (textOf(window) != text) SetWindowTextW(window, text.c_str());
}

}  // namespace

ChildWindows::ChildWindows(Form& form, HWND parent, HFONT font, Hooks hooks)
    : m_form(form), m_parent(parent), m_hooks(std::move(hooks)) {
    // Reserved, so the children's places stay put while their windows already point at them.
    m_children.reserve(form.controls().size());
    m_fonts.reserve(form.controls().size());
    for (Control* control : form.controls()) {
        if (dynamic_cast<CommandButton*>(control)) {
            add(*control, L"BUTTON", BS_PUSHBUTTON, 0, font);
        } else if (auto* box = dynamic_cast<TextBox*>(control)) {
            m_fonts.push_back(fontFor(box->font()));
            add(*control, L"EDIT", ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE,
                m_fonts.back().handle());
        }
    }
    update();
}

ChildWindows::~ChildWindows() {
    for (const Child& child : m_children) {
        // Gone already when the parent went first.
        if (!IsWindow(child.window)) continue;
        SetWindowLongPtrW(child.window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(child.original));
        DestroyWindow(child.window);
    }
}

void ChildWindows::add(Control& control, const wchar_t* windowClass, DWORD style, DWORD exStyle,
                       HFONT font) {
    const auto id = static_cast<UINT_PTR>(m_children.size() + 1);
    HWND window =
        CreateWindowExW(exStyle, windowClass, L"", WS_CHILD | WS_TABSTOP | style, 0, 0, 0, 0,
                        m_parent, reinterpret_cast<HMENU>(id), GetModuleHandleW(nullptr), nullptr);
    if (!window) throw std::runtime_error("Cannot make the window of " + control.name());
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    const auto original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&childProc)));
    m_children.push_back({&control, window, original, Rect{}});
}

void ChildWindows::update() {
    for (Child& child : m_children) {
        const Rect& r = child.control->pixelRect();
        if (!(r == child.placed)) {
            SetWindowPos(child.window, nullptr, r.x, r.y, r.width, r.height,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            child.placed = r;
        }
        const bool visible = IsWindowVisible(child.window) != FALSE;
        if (visible != child.control->visible()) {
            ShowWindow(child.window, child.control->visible() ? SW_SHOWNA : SW_HIDE);
        }
        m_updating = true;
        if (const auto* button = dynamic_cast<const CommandButton*>(child.control)) {
            setTextOf(child.window, displayed(button->caption()));
        } else if (const auto* box = dynamic_cast<const TextBox*>(child.control)) {
            setTextOf(child.window, displayed(box->text()));
        }
        m_updating = false;
    }
}

HWND ChildWindows::windowOf(const Control* control) const {
    for (const Child& child : m_children) {
        if (child.control == control) return child.window;
    }
    return nullptr;
}

ChildWindows::Child* ChildWindows::childOf(HWND window) {
    for (Child& child : m_children) {
        if (child.window == window) return &child;
    }
    return nullptr;
}

bool ChildWindows::command(HWND window, WORD code) {
    Child* child = childOf(window);
    if (!child) return false;
    if (code == BN_CLICKED && dynamic_cast<CommandButton*>(child->control)) {
        click(*child->control);
    } else if (code == EN_CHANGE && !m_updating) {
        if (auto* box = dynamic_cast<TextBox*>(child->control)) {
            box->setText(narrow(textOf(window)));
        }
    }
    return true;
}

void ChildWindows::click(Control& control) {
    m_hooks.deliver([&control] {
        if (control.onClick) control.onClick();
    });
}

// Tab and Shift+Tab move the focus along the z-order, over the hidden ones, round to the start.
void ChildWindows::focusNext(const Child& from, bool backwards) {
    const auto count = static_cast<std::ptrdiff_t>(m_children.size());
    const std::ptrdiff_t start = &from - m_children.data();
    for (std::ptrdiff_t step = 1; step <= count; ++step) {
        const std::ptrdiff_t index =
            ((backwards ? start - step : start + step) % count + count) % count;
        const Child& next = m_children[static_cast<std::size_t>(index)];
        if (next.control->visible()) {
            SetFocus(next.window);
            return;
        }
    }
}

LRESULT CALLBACK ChildWindows::childProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ChildWindows*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    Child* child = self ? self->childOf(window) : nullptr;
    if (!child) return DefWindowProcW(window, message, wParam, lParam);
    // Nothing unwinds through the system.
    try {
        return self->childMessage(*child, message, wParam, lParam);
    } catch (const std::exception& failure) {
        self->m_hooks.failed(failure.what());
    } catch (...) {
        self->m_hooks.failed("Unknown failure");
    }
    return 0;
}

LRESULT ChildWindows::childMessage(Child& child, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFOCUS:
            m_form.setFocusedControl(child.control);
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (wParam == VK_TAB && message == WM_KEYDOWN) {
                focusNext(child, (GetKeyState(VK_SHIFT) & 0x8000) != 0);
                return 0;
            }
            if (m_hooks.key) m_hooks.key(toKeyEvent(wParam, currentShiftState()));
            if (wParam == VK_RETURN && dynamic_cast<CommandButton*>(child.control)) {
                if ((lParam & (1 << 30)) == 0) click(*child.control);
                return 0;
            }
            break;
        case WM_CHAR:
            // Tab moved the focus; in a one-line editor it would only beep.
            if (wParam == L'\t') return 0;
            break;
        default:
            break;
    }
    return CallWindowProcW(child.original, child.window, message, wParam, lParam);
}

}  // namespace glint::platform::win32
