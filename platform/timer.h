#pragma once

// A timer control: an interval in milliseconds, an enabled flag and a tick handler. Ticks are
// delivered by the TimerScheduler at the main loop and at every event pass. A timer's tick is
// never delivered while its own handler is still running: a tick that falls due meanwhile is
// dropped, and the next one comes one interval after the handler's tick began.

#include <cstdint>
#include <functional>
#include <string>

namespace glint::platform {

class TimerScheduler;

class Timer {
public:
    Timer(TimerScheduler& scheduler, std::string name, int intervalMs, bool enabled);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return m_name; }
    int interval() const { return m_intervalMs; }

    bool enabled() const { return m_enabled; }
    // Switching a timer on arms it: its next tick is due one interval from now.
    void setEnabled(bool enabled);

    // Whether the tick handler is running at this moment.
    bool ticking() const { return m_ticking; }

    std::function<void()> onTick;

private:
    friend class TimerScheduler;
    friend class TickHold;

    TimerScheduler& m_scheduler;
    std::string m_name;
    int m_intervalMs;
    bool m_enabled;
    bool m_ticking = false;
    int m_holds = 0;
    std::int64_t m_dueMs = 0;
};

// Holds a timer's ticks back while it lives: a tick that falls due meanwhile stays due and is
// delivered at the first chance after the hold ends.
class TickHold {
public:
    explicit TickHold(Timer& timer) : m_timer(timer) { ++m_timer.m_holds; }
    ~TickHold() { --m_timer.m_holds; }
    TickHold(const TickHold&) = delete;
    TickHold& operator=(const TickHold&) = delete;

private:
    Timer& m_timer;
};

}  // namespace glint::platform
