#pragma once

// Window and control geometry is in twips, 15 to the pixel (a fixed factor, never queried).
// A fractional coordinate becomes a whole pixel by rounding to the nearest integer, ties to the
// even integer, once, when the pixel is read or written.

#include <cfloat>
#include <cstdint>

namespace glint::platform {

inline constexpr int kTwipsPerPixel = 15;

// roundHalfEven for any value, with the checks; the inline one below sends it what it cannot
// round at once.
std::int32_t roundHalfEvenChecked(double value);

// Nearest integer, ties to even (104.5 -> 104, 105.5 -> 106). Throws std::overflow_error when
// the value is not finite or does not fit a 32-bit integer. Inline: sweeps round four
// coordinates for every pixel they copy.
inline std::int32_t roundHalfEven(double value) {
#if FLT_EVAL_METHOD == 0
    // Within these bounds the result fits 32 bits. With doubles evaluated as doubles, adding and
    // taking away 1.5 * 2^52 leaves the value rounded in the current mode, to nearest with ties
    // to even, as std::nearbyint does. Wider evaluation (x87) takes the checked way.
    if (value > -2147483648.5 && value < 2147483647.5) {
        constexpr double kRoundingShift = 6755399441055744.0;
        return static_cast<std::int32_t>((value + kRoundingShift) - kRoundingShift);
    }
#endif
    return roundHalfEvenChecked(value);
}

// A 16-bit signed conversion of a whole-number text's value, rounding half to even.
// Throws std::overflow_error outside -32768..32767.
std::int16_t toInt16(double value);

inline constexpr float pixelsToTwips(int pixels) {
    return static_cast<float>(pixels) * kTwipsPerPixel;
}

}  // namespace glint::platform
