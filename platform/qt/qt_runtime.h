#pragma once

#include <QCursor>
#include <QTimer>
#include <chrono>
#include <memory>
#include <string>

#include "platform/form.h"
#include "platform/qt/form_window.h"
#include "platform/services.h"
#include "platform/timer_scheduler.h"

namespace glint::platform::qt {

// Runs a program's window on Qt: its load, its window, its timers (driven by one precise Qt
// timer set to the next due tick), the event passes the logic makes, the hold and the end.
//
// A failure that escapes a handler, in any of the program's windows, ends the program with the
// error report (see fail). Failures are caught where Qt calls into the logic, so none ever
// unwinds through Qt.
class QtRuntime : public EventLoop, public Process {
public:
    explicit QtRuntime(TimerScheduler& timers);
    ~QtRuntime() override;
    QtRuntime(const QtRuntime&) = delete;
    QtRuntime& operator=(const QtRuntime&) = delete;

    // Runs the form's load, shows its window and starts its timers, then returns; the timers
    // run from Qt's event loop.
    void start(Form& form);
    // start, then Qt's event loop. Returns its status when the window was closed from outside.
    int run(Form& form);

    void doEvents() override;
    void pacedEventPass() override;
    void hold() override;
    [[noreturn]] void endProgram() override;

    // The window of the started form; null before start.
    FormWindow* window() const { return m_window.get(); }
    // The program's title: the started form's.
    const std::string& title() const { return m_title; }

    // The pointer shown over controls whose mouse pointer is the hand; set before start.
    void setHandCursor(const QCursor& cursor) { m_hand = cursor; }
    const QCursor& handCursor() const { return m_hand; }

    // Ends the program with the error report: every window goes away, the message goes to
    // stderr and into a modal message box, and the process ends with status 1.
    [[noreturn]] void fail(const std::string& message);

private:
    using SteadyClock = std::chrono::steady_clock;

    void driveTimers();
    void scheduleTimers();
    void present(bool immediately);

    TimerScheduler& m_timers;
    QTimer m_driver;
    std::unique_ptr<FormWindow> m_window;
    std::string m_title;
    QCursor m_hand{Qt::PointingHandCursor};
    SteadyClock::time_point m_lastPacedPass;
};

}  // namespace glint::platform::qt
