#pragma once

// What a decoder gives: interleaved float samples, full scale at +-1.0, at the file's own rate and
// channel count.

#include <algorithm>
#include <atomic>
#include <cstddef>

namespace glint::platform::sound {

struct SoundFormat {
    int rate = 0;
    int channels = 0;
};

// The most a block of samples lasts: stop() is heeded between blocks, so this bounds how long
// the music goes on after it.
inline constexpr int kBlockMs = 50;

inline std::size_t blockFrames(const SoundFormat& format) {
    return std::max<std::size_t>(1, static_cast<std::size_t>(format.rate) * kBlockMs / 1000);
}

// Set when the music is to end; long waits inside a decoder or an output look at it.
using StopFlag = std::atomic<bool>;

// A decoded file, read from its beginning to its end once.
class SoundSource {
public:
    virtual ~SoundSource() = default;
    virtual SoundFormat format() const = 0;
    // Fills up to `frames` frames (frames x channels samples); returns how many it filled. Zero is
    // the end, also of a file damaged from there on.
    virtual std::size_t read(float* samples, std::size_t frames) = 0;
};

}  // namespace glint::platform::sound
