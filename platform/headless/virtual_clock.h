#pragma once

#include <cstdint>

#include "platform/clock.h"

namespace glint::platform::headless {

// A clock that moves only when told to.
class VirtualClock : public Clock {
public:
    std::int64_t nowMs() const override { return m_now; }
    void advance(std::int64_t ms) { m_now += ms; }
    void set(std::int64_t ms) { m_now = ms; }

private:
    std::int64_t m_now = 0;
};

}  // namespace glint::platform::headless
