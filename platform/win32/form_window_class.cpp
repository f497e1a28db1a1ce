#include "platform/win32/form_window_class.h"

#include <stdexcept>

namespace glint::platform::win32 {
namespace {

// The program's icon among its resources, when it has one.
constexpr WORD kIconResource = 1;

}  // namespace

namespace {

void registerClass(const wchar_t* name, WNDPROC procedure, HBRUSH background, bool icon) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, name, &existing)) return;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = background;
    if (icon) {
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(kIconResource));
        if (!windowClass.hIcon) windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    }
    windowClass.lpszClassName = name;
    if (!RegisterClassExW(&windowClass)) throw std::runtime_error("Cannot register the window");
}

}  // namespace

void registerFormWindowClass(WNDPROC procedure) {
    registerClass(kFormWindowClass, procedure, nullptr, true);
}

void registerWindowClass(const wchar_t* name, WNDPROC procedure, HBRUSH background) {
    registerClass(name, procedure, background, false);
}

WindowStyles stylesFor(const Form& form, bool dialog) {
    // Controls drawn on the window never paint over its child windows.
    const DWORD base = WS_CLIPCHILDREN;
    if (form.maximized()) return {base | WS_POPUP | WS_SYSMENU, WS_EX_TOPMOST | WS_EX_APPWINDOW};
    if (form.borderless()) {
        return {base | WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX,
                dialog ? DWORD{0} : DWORD{WS_EX_APPWINDOW}};
    }
    if (dialog) return {base | WS_POPUP | WS_CAPTION, WS_EX_DLGMODALFRAME};
    return {base | WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0};
}

}  // namespace glint::platform::win32
