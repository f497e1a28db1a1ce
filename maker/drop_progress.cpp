#include "maker/drop_progress.h"

namespace glint::maker {

DropProgress::DropProgress(platform::Desktop& desktop, platform::Form& owner,
                           platform::EventLoop& events, const platform::TimerScheduler& clock)
    : m_desktop(desktop),
      m_owner(owner),
      m_events(events),
      m_clock(clock),
      m_startMs(clock.nowMs()) {}

bool DropProgress::step(const std::string& text, int done, int total) {
    if (!m_window && m_clock.nowMs() - m_startMs >= kShowAfterMs) {
        m_window = m_desktop.showProgress(m_owner, language::tr(kCancelButton));
    }
    if (m_window) m_window->update(text, done, total);
    m_events.doEvents();
    return !m_window || !m_window->cancelRequested();
}

}  // namespace glint::maker
