#include "platform/win32/win32_services.h"

#include <utility>

namespace glint::platform::win32 {

Win32Services::Win32Services(std::string ownFolder)
    : m_services{std::move(ownFolder), m_timers, m_runtime, m_screen, m_textMetrics,
                 m_pictures,           m_media,  m_cursor,  m_runtime} {}

}  // namespace glint::platform::win32
