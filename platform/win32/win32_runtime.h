#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/form.h"
#include "platform/services.h"
#include "platform/timer_scheduler.h"
#include "platform/win32/form_window.h"
#include "platform/win32/monitor_covers.h"

namespace glint::platform::win32 {

// Runs a program's windows on the Windows API: the form's load, its window, its timers (one
// SetTimer on the window, set to the next due tick), the event passes the logic makes (a pump of
// the pending messages), the hold and the end.
//
// A failure that escapes a handler, in any of the program's windows, ends the program with the
// error report (see fail). Failures are caught where a window procedure calls into the logic, so
// none ever unwinds through the system.
class Win32Runtime : public EventLoop, public Process {
public:
    explicit Win32Runtime(TimerScheduler& timers);
    ~Win32Runtime() override;
    Win32Runtime(const Win32Runtime&) = delete;
    Win32Runtime& operator=(const Win32Runtime&) = delete;

    // Runs the form's load, shows its window and starts its timers, then returns.
    void start(Form& form);
    // start, then the message loop. Returns the exit status when the window was closed.
    int run(Form& form);

    void doEvents() override;
    void pacedEventPass() override;
    void hold() override;
    [[noreturn]] void endProgram() override;

    // Ends the program with the error report: every window goes away, the message goes to
    // stderr and into a modal message box with the program's title, and the process ends with
    // status 1.
    [[noreturn]] void fail(const std::string& message);

    // The program's title: the started form's.
    const std::string& title() const { return m_title; }

    // The pointer shown over controls whose mouse pointer is the hand; set before start.
    void setHandCursor(HCURSOR cursor) { m_hand = cursor; }

    // The window of a form shown by this runtime, made ready for something that waits for the
    // user over it: it follows its form and lets go of the mouse. Null when the form has none.
    HWND ownerWindow(Form& form);

    // The covers of the other monitors while a maximized form's window (the show) is up; null
    // otherwise.
    MonitorCovers* monitorCovers() const { return m_covers.get(); }

    // Shows the dialog modally over its owner: its load, its window in front of the owner's,
    // which takes no input meanwhile; returns when the dialog's form was closed.
    void showModal(Form& dialog, Form& owner);

private:
    FormWindow::Hooks hooks();
    HCURSOR handCursor() const;
    void driveTimers();
    void scheduleTimers();
    void present(bool immediately);
    FormWindow* windowOf(const Form& form) const;

    TimerScheduler& m_timers;
    std::string m_title;
    HCURSOR m_hand = nullptr;
    std::unique_ptr<FormWindow> m_window;
    // While the show (a maximized form) runs: every other monitor covered.
    std::unique_ptr<MonitorCovers> m_covers;
    std::vector<FormWindow*> m_dialogs;
    LARGE_INTEGER m_frequency{};
    LARGE_INTEGER m_lastPacedPass{};
    bool m_failing = false;
};

}  // namespace glint::platform::win32
