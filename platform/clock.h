#pragma once

#include <cstdint>

namespace glint::platform {

// Milliseconds on a monotonic clock: the real one, or a virtual one in tests.
class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t nowMs() const = 0;
};

}  // namespace glint::platform
