#include "platform/timer.h"

#include "platform/timer_scheduler.h"

namespace glint::platform {

Timer::Timer(TimerScheduler& scheduler, std::string name, int intervalMs, bool enabled)
    : m_scheduler(scheduler), m_name(std::move(name)), m_intervalMs(intervalMs), m_enabled(enabled) {
    m_scheduler.add(this);
    if (m_enabled) m_scheduler.arm(*this);
}

Timer::~Timer() { m_scheduler.remove(this); }

void Timer::setEnabled(bool enabled) {
    if (enabled && !m_enabled) m_scheduler.arm(*this);
    m_enabled = enabled;
}

}  // namespace glint::platform
