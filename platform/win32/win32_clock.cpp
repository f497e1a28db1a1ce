#include "platform/win32/win32_clock.h"

namespace glint::platform::win32 {

Win32Clock::Win32Clock() {
    QueryPerformanceFrequency(&m_frequency);
    QueryPerformanceCounter(&m_origin);
}

std::int64_t Win32Clock::nowMs() const {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const std::int64_t ticks = now.QuadPart - m_origin.QuadPart;
    // Whole seconds and the rest apart, so the product never overflows.
    const std::int64_t frequency = m_frequency.QuadPart;
    return ticks / frequency * 1000 + ticks % frequency * 1000 / frequency;
}

}  // namespace glint::platform::win32
