#pragma once

// The deterministic backend: a virtual clock, scripted input and no window system. An event pass
// delivers the scripted input due and the due ticks of timers that are not running, without
// moving the clock; the idle main loop jumps the clock to the next due tick or input; the hold
// and a sweep pass's pacing move the clock by their length. So the same script gives the same
// run every time.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <variant>

#include "platform/form.h"
#include "platform/headless/virtual_clock.h"
#include "platform/input_router.h"
#include "platform/services.h"
#include "platform/timer_scheduler.h"

namespace glint::platform::headless {

// Moves the virtual clock on, as a slow event pass would.
struct ClockJump {
    std::int64_t ms = 0;
};

using ScriptedEvent = std::variant<RawMouse, KeyEvent, ClockJump>;

struct RunResult {
    enum class End { Ended, Error, TimeLimit };
    End end = End::TimeLimit;
    int status = 0;
    std::string errorReport;  // the failure that ended the program, for End::Error
    bool windowShown = false;
    std::int64_t atMs = 0;        // virtual time when the run ended
    std::int64_t atPass = 0;      // event passes made until then
};

class HeadlessRuntime : public EventLoop, public Process {
public:
    HeadlessRuntime(VirtualClock& clock, TimerScheduler& timers, const Screen& screen);

    // Input delivered in the given event pass (counted from 1 over the whole run).
    void atPass(std::int64_t pass, ScriptedEvent event);
    // Input delivered at the first event pass or main-loop turn at or after this virtual time.
    void atTime(std::int64_t ms, ScriptedEvent event);

    // Loads the window, shows it and runs the main loop until the program ends or the virtual
    // clock would pass untilMs. A failure that escapes a handler ends the program with an error
    // report: the window is gone and the status is 1.
    RunResult run(Form& form, std::int64_t untilMs);

    void doEvents() override;
    void pacedEventPass() override;
    void hold() override;
    [[noreturn]] void endProgram() override;

    std::int64_t passes() const { return m_passes; }
    std::int64_t holds() const { return m_holds; }

private:
    void deliver(const ScriptedEvent& event);
    void deliverDue();
    std::int64_t nextTimedInputMs() const;
    void show(Form& form);

    VirtualClock& m_clock;
    TimerScheduler& m_timers;
    const Screen& m_screen;
    std::multimap<std::int64_t, ScriptedEvent> m_byPass;
    std::multimap<std::int64_t, ScriptedEvent> m_byTime;
    std::unique_ptr<InputRouter> m_router;
    std::int64_t m_passes = 0;
    std::int64_t m_holds = 0;
};

}  // namespace glint::platform::headless
