#pragma once

// Where decoded music goes: a stream to the sound system, taking the samples a SoundSource gives.
// No call waits much longer than a block (kBlockMs), whatever the sound system does, so the
// music's thread heeds stop() at once.

#include <cstddef>
#include <memory>

#include "platform/sound/sound_source.h"

namespace glint::platform::sound {

// One stream to the sound system, in one format.
class SoundOutput {
public:
    // What write() gives when the stream has failed.
    static constexpr std::size_t kFailed = static_cast<std::size_t>(-1);

    virtual ~SoundOutput() = default;
    // Queues as many of the frames as the sound system takes within about kBlockMs, waiting for
    // room in its buffer; returns how many (possibly none), or kFailed.
    virtual std::size_t write(const float* samples, std::size_t frames) = 0;
    // After the last write: lets what is queued sound, starting it if it has not started yet.
    // Waits about kBlockMs at most; true while some is still to sound. Destroying the output
    // discards whatever has not sounded.
    virtual bool playOut() = 0;
};

// Where the music sounds: opens a stream in a given format, or null where the format cannot be
// played, there is no sound system, or `stop` is set while connecting.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;
    virtual std::unique_ptr<SoundOutput> open(const SoundFormat& format, const StopFlag& stop) = 0;
};

}  // namespace glint::platform::sound
