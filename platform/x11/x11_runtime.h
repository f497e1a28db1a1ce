#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "platform/form.h"
#include "platform/services.h"
#include "platform/timer_scheduler.h"
#include "platform/x11/form_window.h"
#include "platform/x11/monitor_covers.h"
#include "platform/x11/x11_connection.h"
#include "platform/x11/x11_cursor.h"
#include "platform/x11/xft_font_set.h"

namespace glint::platform::x11 {

// Runs the show's window on X11: the form's load, its window, its timers (the main loop sleeps in
// poll() on the connection until the next due tick or the next event), the event passes the
// logic makes, the hold and the end.
//
// A failure that escapes a handler ends the program with the error report (see fail). Failures
// are caught where the loop calls into the logic, so none ever unwinds through it.
class X11Runtime : public EventLoop, public Process {
public:
    // Inside XScreenSaver, `embedded` is the daemon's window: the show fills it, ends at once
    // with status 0 on SIGTERM and covers no monitor (the daemon runs one show on each).
    X11Runtime(X11Connection& connection, TimerScheduler& timers, X11Cursor& cursor,
               const XftFontSet& font, Window embedded);
    ~X11Runtime() override;
    X11Runtime(const X11Runtime&) = delete;
    X11Runtime& operator=(const X11Runtime&) = delete;

    // Runs the form's load, shows its window, starts its timers and runs the main loop. Returns
    // status 0 when the window was closed from outside.
    int run(Form& form);

    void doEvents() override;
    void pacedEventPass() override;
    void hold() override;
    [[noreturn]] void endProgram() override;

    // Ends the program with the error report: every window goes away, the message goes to
    // stderr and into a modal message box with the program's title, and the process ends with
    // status 1.
    [[noreturn]] void fail(const std::string& message);

private:
    using SteadyClock = std::chrono::steady_clock;

    void start(Form& form);
    void present();
    void dispatchPending();
    void driveTimers();
    void waitForWork();

    X11Connection& m_connection;
    TimerScheduler& m_timers;
    X11Cursor& m_cursor;
    const XftFontSet& m_font;
    Window m_embedded;
    std::string m_title;
    std::unique_ptr<FormWindow> m_window;
    std::unique_ptr<MonitorCovers> m_covers;
    SteadyClock::time_point m_lastPacedPass;
    bool m_closed = false;
    bool m_failing = false;
};

}  // namespace glint::platform::x11
