#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/win32/ui_font.h"

namespace glint::platform::win32 {

// The controls of a form that are real windows on its window: a push button (BUTTON) for each
// CommandButton and a one-line editor (EDIT) for each TextBox, made in the form's z-order, which
// is also their tab order. A button's click reaches its handler through the window's deliver,
// like all other input; what the user types is written into the text box's text at every edit.
// The keys pressed in them reach the focused control's key handler as well.
//
// No button is a default or cancel button: Enter and Space click the button that has the focus,
// and Escape reaches no button.
class ChildWindows {
public:
    // Calls a handler for input; the window's own deliver, which catches its failures.
    using Deliver = std::function<void(const std::function<void()>&)>;
    struct Hooks {
        Deliver deliver;
        // A key pressed in a child window, for the form's handlers.
        std::function<void(const KeyEvent&)> key;
        // Something failed on the way to or back from a handler.
        std::function<void(const std::string& message)> failed;
    };

    // Buttons show their captions in the font, which the children do not own.
    ChildWindows(Form& form, HWND parent, HFONT font, Hooks hooks);
    ~ChildWindows();
    ChildWindows(const ChildWindows&) = delete;
    ChildWindows& operator=(const ChildWindows&) = delete;

    bool empty() const { return m_children.empty(); }

    // Brings every window in line with its control: place, size, visibility, caption and text.
    void update();

    // The window of the control, or null when the control is drawn, not a window.
    HWND windowOf(const Control* control) const;

    // A notification (WM_COMMAND) from a child window; false when it came from none of these.
    bool command(HWND child, WORD code);

private:
    struct Child {
        Control* control;
        HWND window;
        WNDPROC original;
        Rect placed;
    };

    static LRESULT CALLBACK childProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT childMessage(Child& child, UINT message, WPARAM wParam, LPARAM lParam);
    void add(Control& control, const wchar_t* windowClass, DWORD style, DWORD exStyle, HFONT font);
    void click(Control& control);
    void focusNext(const Child& from, bool backwards);
    Child* childOf(HWND window);

    Form& m_form;
    HWND m_parent;
    Hooks m_hooks;
    std::vector<Child> m_children;
    std::vector<Font> m_fonts;
    // While the program itself sets a child's text, which is no edit by the user.
    bool m_updating = false;
};

}  // namespace glint::platform::win32
