#pragma once

// The window class of every form's window, and the window styles a form's settings ask for.

#include <windows.h>

#include "platform/form.h"

namespace glint::platform::win32 {

// Also what the tests look for among a program's windows.
inline constexpr const wchar_t* kFormWindowClass = L"GlintForm";

// Registers the class once for the program, with the program's icon (resource 1) when it has one.
// Throws std::runtime_error when the system refuses.
void registerFormWindowClass(WNDPROC procedure);

// Registers a class of the program's windows once: double-clicks reported, the background
// painted with the brush (none when null). Throws std::runtime_error when the system refuses.
void registerWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background);

// The object a window was made for (the creation parameter of CreateWindowExW), kept in the
// window's user data from its first message on; null once that is cleared.
template <typename Owner>
Owner* windowOwner(HWND window, UINT message, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
    }
    return reinterpret_cast<Owner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

struct WindowStyles {
    DWORD style;
    DWORD exStyle;
};

// Maximised: a frameless window in front of all others. Borderless: a frameless window. Otherwise
// a title bar; a dialog's carries only its caption, no buttons.
WindowStyles stylesFor(const Form& form, bool dialog);

}  // namespace glint::platform::win32
