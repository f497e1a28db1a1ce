#include "platform/timer_scheduler.h"

#include <algorithm>

#include "platform/timer.h"

namespace glint::platform {

void TimerScheduler::remove(Timer* timer) {
    m_timers.erase(std::remove(m_timers.begin(), m_timers.end(), timer), m_timers.end());
}

std::int64_t TimerScheduler::periodOf(const Timer& timer) const {
    return std::max<std::int64_t>(timer.m_intervalMs, kTimerResolutionMs);
}

void TimerScheduler::arm(Timer& timer) { timer.m_dueMs = nowMs() + periodOf(timer); }

std::int64_t TimerScheduler::nextDueMs() const {
    std::int64_t next = kNever;
    for (const Timer* t : m_timers) {
        if (t->m_enabled && !t->m_ticking && t->m_holds == 0 && t->m_intervalMs > 0) {
            next = std::min(next, t->m_dueMs);
        }
    }
    return next;
}

void TimerScheduler::start() {
    for (Timer* t : m_timers) {
        if (t->m_enabled) arm(*t);
    }
}

void TimerScheduler::runDue() {
    // A handler may switch timers on and off; each timer is looked at once per call.
    const std::vector<Timer*> timers = m_timers;
    for (Timer* t : timers) {
        if (std::find(m_timers.begin(), m_timers.end(), t) == m_timers.end()) continue;
        if (!t->m_enabled || t->m_ticking || t->m_holds > 0 || t->m_intervalMs <= 0) continue;
        if (t->m_dueMs > nowMs()) continue;
        arm(*t);
        if (!t->onTick) continue;
        t->m_ticking = true;
        struct Finish {
            Timer* timer;
            ~Finish() { timer->m_ticking = false; }
        } finish{t};
        t->onTick();
    }
}

}  // namespace glint::platform
