#pragma once

#include <chrono>

#include "platform/clock.h"

namespace glint::platform::x11 {

// The real monotonic clock, counting from the moment it was made.
class X11Clock : public Clock {
public:
    X11Clock() : m_start(std::chrono::steady_clock::now()) {}
    std::int64_t nowMs() const override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now() - m_start)
            .count();
    }

private:
    std::chrono::steady_clock::time_point m_start;
};

}  // namespace glint::platform::x11
