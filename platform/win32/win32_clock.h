#pragma once

#include <windows.h>

#include "platform/clock.h"

namespace glint::platform::win32 {

// The real monotonic clock (the performance counter), counting from the moment it was made.
class Win32Clock : public Clock {
public:
    Win32Clock();
    std::int64_t nowMs() const override;

private:
    LARGE_INTEGER m_frequency{};
    LARGE_INTEGER m_origin{};
};

}  // namespace glint::platform::win32
