#pragma once

// The music's volume: -6 dB, applied to the samples themselves, so it is the same whatever the
// sound system's own volume controls do.

#include <cmath>
#include <cstddef>

namespace glint::platform::sound {

inline constexpr float kMusicGainDb = -6.0f;

// The amplitude factor of a gain in decibels: 10^(dB/20); -6 dB is 0.501.
inline float amplitudeOf(float decibels) {
    return std::pow(10.0f, decibels / 20.0f);
}

inline void applyGain(float* samples, std::size_t count, float factor) {
    for (std::size_t i = 0; i < count; ++i) samples[i] *= factor;
}

}  // namespace glint::platform::sound
