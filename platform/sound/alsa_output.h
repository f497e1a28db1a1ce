#pragma once

// A playback stream on ALSA's "default" device, loaded at run time: where there is no sound
// server, or the server's own client library is missing. The device is used without blocking,
// so no call waits on it longer than about a block, but for the last block's drain.

#include <memory>
#include <vector>

#include "platform/sound/dynamic_library.h"
#include "platform/sound/sound_device.h"

namespace glint::platform::sound {

class AlsaOutput : public SoundOutput {
public:
    // What the device holds ahead of what sounds.
    static constexpr int kBufferMs = 200;

    // Null where the library is missing or the device refuses the format. Float samples where
    // the device takes them, 16-bit otherwise.
    static std::unique_ptr<AlsaOutput> open(const SoundFormat& format);

    ~AlsaOutput() override;
    AlsaOutput(const AlsaOutput&) = delete;
    AlsaOutput& operator=(const AlsaOutput&) = delete;

    std::size_t write(const float* samples, std::size_t frames) override;
    bool playOut() override;

private:
    struct Device;
    using ErrorHandler = void (*)(const char* file, int line, const char* function, int error,
                                  const char* format, ...);
    struct Api {
        int (*open)(Device** device, const char* name, int stream, int mode);
        int (*setParams)(Device*, int format, int access, unsigned channels, unsigned rate,
                         int softResample, unsigned latencyMicros);
        long (*writeFrames)(Device*, const void* samples, unsigned long frames);
        int (*wait)(Device*, int timeoutMs);
        int (*recover)(Device*, int error, int silent);
        int (*state)(Device*);
        int (*start)(Device*);
        int (*delay)(Device*, long* frames);
        int (*drain)(Device*);
        int (*setNonBlocking)(Device*, int nonBlocking);
        int (*close)(Device*);
        int (*setErrorHandler)(ErrorHandler handler);
    };

    AlsaOutput() : m_library({"libasound.so.2"}) {}
    bool start(const SoundFormat& format);

    DynamicLibrary m_library;
    Api m_api{};
    Device* m_device = nullptr;
    SoundFormat m_format;
    bool m_float = true;
    std::vector<short> m_converted;
};

}  // namespace glint::platform::sound
