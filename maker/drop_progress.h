#pragma once

// The progress of a long drop: each step makes an event pass, so the window repaints and the
// progress window's button answers; the progress window shows once the drop has taken longer
// than kShowAfterMs, and goes when this does.

#include <cstdint>
#include <memory>
#include <string>

#include "language/translate.h"
#include "platform/desktop.h"
#include "platform/form.h"
#include "platform/services.h"
#include "platform/timer_scheduler.h"

namespace glint::maker {

class DropProgress {
public:
    static constexpr std::int64_t kShowAfterMs = 1000;
    static constexpr const char* kCancelButton = language::N_("取消");

    DropProgress(platform::Desktop& desktop, platform::Form& owner, platform::EventLoop& events,
                 const platform::TimerScheduler& clock);

    // Tells the step (done of total; total 0 while unknown), makes an event pass and says
    // whether to go on: false once the user asked to stop.
    bool step(const std::string& text, int done, int total);

private:
    platform::Desktop& m_desktop;
    platform::Form& m_owner;
    platform::EventLoop& m_events;
    const platform::TimerScheduler& m_clock;
    std::int64_t m_startMs;
    std::unique_ptr<platform::ProgressWindow> m_window;
};

}  // namespace glint::maker
