#include "platform/qt/qt_services.h"

namespace glint::platform::qt {

QtServices::QtServices(std::string ownFolder)
    : m_services{std::move(ownFolder), m_timers, m_runtime, m_screen, m_textMetrics,
                 m_pictures,           m_media,  m_cursor,  m_runtime} {}

}  // namespace glint::platform::qt
