#include "platform/qt/qt_clock.h"

namespace glint::platform::qt {

QtClock::QtClock() {
    m_timer.start();
}

std::int64_t QtClock::nowMs() const {
    return m_timer.elapsed();
}

}  // namespace glint::platform::qt
