#pragma once

// The few types and values of PulseAudio's C interface that we use, as its headers
// (pulse/sample.h, channelmap.h, def.h) lay them out. Declared here so the player builds without
// PulseAudio's development files; the tests check them against those files where installed.

#include <cstdint>

namespace glint::platform::sound::pulse {

inline constexpr int kFloat32Le = 5;                   // PA_SAMPLE_FLOAT32LE
inline constexpr int kMapWaveEx = 3;                   // PA_CHANNEL_MAP_WAVEEX
inline constexpr unsigned kMaxChannels = 32;           // PA_CHANNELS_MAX
inline constexpr std::uint32_t kDefault = UINT32_MAX;  // "the server's choice" in buffer sizes
inline constexpr int kContextReady = 4;                // PA_CONTEXT_READY
inline constexpr int kContextFailed = 5;               // PA_CONTEXT_FAILED, then TERMINATED
inline constexpr int kStreamReady = 2;                 // PA_STREAM_READY
inline constexpr int kStreamFailed = 3;                // PA_STREAM_FAILED, then TERMINATED
inline constexpr int kOperationRunning = 0;            // PA_OPERATION_RUNNING
inline constexpr unsigned kAdjustLatency = 0x2000;     // PA_STREAM_ADJUST_LATENCY
inline constexpr int kSeekRelative = 0;                // PA_SEEK_RELATIVE

struct SampleSpec {  // pa_sample_spec
    int format;
    std::uint32_t rate;
    std::uint8_t channels;
};

struct ChannelMap {  // pa_channel_map
    std::uint8_t channels;
    int map[kMaxChannels];
};

struct BufferAttributes {  // pa_buffer_attr
    std::uint32_t maxLength;
    std::uint32_t targetLength;
    std::uint32_t prebuffer;
    std::uint32_t minimumRequest;
    std::uint32_t fragmentSize;
};

}  // namespace glint::platform::sound::pulse
