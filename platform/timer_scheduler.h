#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "platform/clock.h"

namespace glint::platform {

class Timer;

// The platform's timer resolution: one display frame. Shorter intervals tick at this period.
inline constexpr int kTimerResolutionMs = 16;

// Keeps the timers of one program and delivers their due ticks.
class TimerScheduler {
public:
    explicit TimerScheduler(const Clock& clock) : m_clock(clock) {}

    std::int64_t nowMs() const { return m_clock.nowMs(); }

    // When the next tick of an enabled timer that is neither running nor held falls due;
    // kNever when there is none.
    static constexpr std::int64_t kNever = std::numeric_limits<std::int64_t>::max();
    std::int64_t nextDueMs() const;

    // Re-arms every enabled timer one interval from now: the window starts handling events.
    void start();

    // Runs the tick of every timer that is due now, enabled, not running and not held, each once,
    // in the order the timers were made. Missed ticks are not made up.
    void runDue();

private:
    friend class Timer;
    void add(Timer* timer) { m_timers.push_back(timer); }
    void remove(Timer* timer);
    std::int64_t periodOf(const Timer& timer) const;
    void arm(Timer& timer);

    const Clock& m_clock;
    std::vector<Timer*> m_timers;
};

}  // namespace glint::platform
