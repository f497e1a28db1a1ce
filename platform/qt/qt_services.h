#pragma once

#include <string>

#include "platform/qt/no_music.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_cursor.h"
#include "platform/qt/qt_picture_loader.h"
#include "platform/qt/qt_runtime.h"
#include "platform/qt/qt_screen.h"
#include "platform/qt/qt_text_metrics.h"
#include "platform/services.h"
#include "platform/timer_scheduler.h"

namespace glint::platform::qt {

// Everything the authoring program's logic asks of the platform, on Qt, for a program whose own
// folder is given: made in the order they need each other and handed out as one Services value.
// Make it after the application object.
class QtServices {
public:
    explicit QtServices(std::string ownFolder);
    QtServices(const QtServices&) = delete;
    QtServices& operator=(const QtServices&) = delete;

    Services& services() { return m_services; }
    QtRuntime& runtime() { return m_runtime; }
    QtCursor& cursor() { return m_cursor; }

private:
    QtClock m_clock;
    TimerScheduler m_timers{m_clock};
    QtScreen m_screen;
    QtTextMetrics m_textMetrics;
    QtPictureLoader m_pictures;
    NoMusic m_media;
    QtCursor m_cursor;
    QtRuntime m_runtime{m_timers};
    Services m_services;
};

}  // namespace glint::platform::qt
