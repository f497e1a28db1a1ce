#pragma once

// A playback stream to PulseAudio (PipeWire serves it too), through its client library loaded at
// run time. The music's own thread drives the library's main loop, waiting on it in slices: a
// server that holds the stream back (as a sink waking from idle does, for up to two seconds)
// never keeps the thread from stop().

#include <memory>

#include "platform/sound/dynamic_library.h"
#include "platform/sound/sound_device.h"

namespace glint::platform::sound {

class PulseOutput : public SoundOutput {
public:
    // The latency asked of the server: what it holds ahead of what sounds.
    static constexpr int kBufferMs = 200;
    // The longest wait for the server to take the stream.
    static constexpr int kConnectTimeoutMs = 5000;

    // Null where the library is missing, no server takes the stream, or `stop` is set meanwhile.
    static std::unique_ptr<PulseOutput> open(const SoundFormat& format, const StopFlag& stop);

    ~PulseOutput() override;
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    std::size_t write(const float* samples, std::size_t frames) override;
    bool playOut() override;

private:
    struct Loop;
    struct Context;
    struct Stream;
    struct Operation;
    struct Api {
        Loop* (*newLoop)();
        void (*freeLoop)(Loop*);
        void* (*loopApi)(Loop*);
        int (*prepare)(Loop*, int timeoutMicros);
        int (*poll)(Loop*);
        int (*dispatch)(Loop*);
        Context* (*newContext)(void* api, const char* name);
        int (*connect)(Context*, const char* server, unsigned flags, const void* spawnApi);
        int (*contextState)(Context*);
        void (*disconnect)(Context*);
        void (*unrefContext)(Context*);
        Stream* (*newStream)(Context*, const char* name, const void* spec, const void* map);
        int (*connectPlayback)(Stream*, const char* device, const void* attributes, unsigned flags,
                               const void* volume, Stream* sync);
        int (*streamState)(Stream*);
        std::size_t (*writableSize)(Stream*);
        int (*writeStream)(Stream*, const void* data, std::size_t bytes, void (*freeData)(void*),
                           long long offset, int seek);
        Operation* (*drain)(Stream*, void (*done)(Stream*, int, void*), void* userdata);
        int (*operationState)(Operation*);
        void (*unrefOperation)(Operation*);
        int (*disconnectStream)(Stream*);
        void (*unrefStream)(Stream*);
        void* (*extendMap)(void* map, unsigned channels, int def);
    };

    PulseOutput() : m_library({"libpulse.so.0"}) {}
    bool bindApi();
    bool start(const SoundFormat& format, const StopFlag& stop);
    // Handles what the server sent, waiting up to timeoutMicros for it; false on a broken loop.
    bool iterate(int timeoutMicros);

    DynamicLibrary m_library;
    Api m_api{};
    Loop* m_loop = nullptr;
    Context* m_context = nullptr;
    Stream* m_stream = nullptr;
    Operation* m_drain = nullptr;
    std::size_t m_frameBytes = 0;
};

}  // namespace glint::platform::sound
