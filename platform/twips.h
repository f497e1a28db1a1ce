#pragma once

// Window and control geometry is in twips, 15 to the pixel (a fixed factor, never queried).
// A fractional coordinate becomes a whole pixel by rounding to the nearest integer, ties to the
// even integer, once, when the pixel is read or written.

#include <cstdint>

namespace glint::platform {

inline constexpr int kTwipsPerPixel = 15;

// Nearest integer, ties to even (104.5 -> 104, 105.5 -> 106). Throws std::overflow_error when
// the value is not finite or does not fit a 32-bit integer.
std::int32_t roundHalfEven(double value);

// A 16-bit signed conversion of a whole-number text's value, rounding half to even.
// Throws std::overflow_error outside -32768..32767.
std::int16_t toInt16(double value);

inline constexpr float pixelsToTwips(int pixels) {
    return static_cast<float>(pixels) * kTwipsPerPixel;
}

}  // namespace glint::platform
