#pragma once

#include <QElapsedTimer>

#include "platform/clock.h"

namespace glint::platform::qt {

// The real monotonic clock, counting from the moment it was made.
class QtClock : public Clock {
public:
    QtClock();
    std::int64_t nowMs() const override;

private:
    QElapsedTimer m_timer;
};

}  // namespace glint::platform::qt
