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

struct WindowStyles {
    DWORD style;
    DWORD exStyle;
};

// Maximised: a frameless window in front of all others. Borderless: a frameless window. Otherwise
// a title bar; a dialog's carries only its caption, no buttons.
WindowStyles stylesFor(const Form& form, bool dialog);

}  // namespace glint::platform::win32
