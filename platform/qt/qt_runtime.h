#pragma once

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
// A failure that escapes a handler ends the program with an error report: the window goes away,
// the message goes to stderr and into a modal message box, and the process ends with status 1.
// Failures are caught where Qt calls into the logic, so none ever unwinds through Qt.
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

private:
    using SteadyClock = std::chrono::steady_clock;

    void driveTimers();
    void scheduleTimers();
    void present(bool immediately);
    [[noreturn]] void fail(const std::string& message);

    TimerScheduler& m_timers;
    QTimer m_driver;
    std::unique_ptr<FormWindow> m_window;
    std::string m_title;
    SteadyClock::time_point m_lastPacedPass;
};

}  // namespace glint::platform::qt
