#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/form.h"
#include "platform/input_router.h"
#include "platform/win32/child_windows.h"
#include "platform/win32/form_presenter.h"
#include "platform/win32/ui_font.h"

namespace glint::platform::win32 {

// The real window of a Form: shows its surface and controls, hands the user's mouse and keys to
// its handlers, and after each handler follows what the logic changed: the window's position,
// the mouse capture, the minimised state, the pointer's shape and the child windows of its
// buttons and text boxes. No failure of a handler ever passes back into the system: the window
// procedure catches it and hands it to the failed hook.
class FormWindow {
public:
    struct Hooks {
        // After a handler called for input has returned and the window has followed the form.
        std::function<void()> handled;
        // A handler called for input has failed with this message.
        std::function<void(const std::string& message)> failed;
        // The window's timer (kTimerId) fell due.
        std::function<void()> timer;
        // The display changed: a monitor came or went, or a resolution changed.
        std::function<void()> displayChanged;
    };
    // The program's own window, or a modal dialog over its owner.
    enum class Role { Main, Dialog };

    // The id of the one timer a program sets on its window.
    static constexpr UINT_PTR kTimerId = 1;

    // Makes the window, hidden, as the form's settings ask at this moment: without frame when
    // borderless, otherwise with a title bar (a dialog's carries only the caption, no buttons);
    // maximised, it will cover the whole primary screen and stay in front. The hand is the
    // pointer over controls whose pointer is the hand.
    FormWindow(Form& form, Hooks hooks, Role role, HWND owner, HCURSOR hand);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // Shows the window in front, with the keyboard: maximised over the primary screen, or with
    // its outer corner at the form's place and the form's size as its client area's. The client
    // area's size then goes back into the form.
    void show();

    // Brings what was drawn and what changed in the controls since the last call to the screen:
    // painted before returning when immediately, otherwise at the next paint.
    void present(bool immediately);

    // Follows what the logic changed since the last call, then presents. Runs after every handler
    // called for input; call it before anything that waits for the user.
    void followForm();

    // Lets go of the mouse until the window next follows its form, which takes it again if the
    // form still holds the capture: a modal window opened meanwhile needs the mouse.
    void yieldMouse();

    // Hides the window for good: from now on it answers no message of its own.
    void stop();

    // Input that reached another window of the show (a monitor's cover), handed to the form's
    // handlers as if it were over this window. Positions are in this window's client area.
    void coverMouse(const RawMouse& raw);
    void coverKey(const KeyEvent& key);

    HWND handle() const { return m_window; }
    Form& form() const { return m_form; }
    // The window of a button or text box control; null for a control that is drawn.
    HWND windowOf(const Control* control) const;

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void resized(WPARAM kind, int width, int height);
    void moved();
    void mouse(UINT message, WPARAM wParam, LPARAM lParam);
    void key(WPARAM virtualKey);
    // Files and folders dropped from a file manager, for a form that takes drops.
    void dropped(HDROP drop);
    void deliver(const std::function<void()>& handler);
    void placeAtForm();
    bool handAt(POINT at) const;
    void showPointerFor(POINT at);
    void focusForm();
    HBRUSH backBrush();

    Form& m_form;
    Hooks m_hooks;
    Role m_role;
    HCURSOR m_hand;
    InputRouter m_router;
    Font m_font;
    FormPresenter m_presenter;
    HWND m_window = nullptr;
    std::unique_ptr<ChildWindows> m_children;
    HBRUSH m_backBrush = nullptr;
    // The window's outer size for the form's client size.
    SIZE m_outer{};
    bool m_shown = false;
    bool m_stopped = false;
    bool m_minimized = false;
    // Where the window was last put for the form, in screen pixels (its outer corner).
    POINT m_placed{};
    bool m_moving = false;
    POINT m_pointer{};
    bool m_grabbing = false;
    bool m_handShown = false;
};

}  // namespace glint::platform::win32
