#include "platform/sound/pulse_types.h"

#include <gtest/gtest.h>

#include <cstddef>

// Our declarations of PulseAudio's types against its own headers, where they are installed: a
// wrong layout would hand the library memory it misreads.
#if __has_include(<pulse/pulseaudio.h>)
#include <pulse/pulseaudio.h>
#define GLINT_HAVE_PULSE_HEADERS 1

namespace glint::platform::sound::pulse {

static_assert(kFloat32Le == PA_SAMPLE_FLOAT32LE);
static_assert(kMapWaveEx == PA_CHANNEL_MAP_WAVEEX);
static_assert(kMaxChannels == PA_CHANNELS_MAX);
static_assert(kContextReady == PA_CONTEXT_READY && kContextFailed == PA_CONTEXT_FAILED);
static_assert(kStreamReady == PA_STREAM_READY && kStreamFailed == PA_STREAM_FAILED);
static_assert(kOperationRunning == PA_OPERATION_RUNNING);
static_assert(kAdjustLatency == PA_STREAM_ADJUST_LATENCY);
static_assert(kSeekRelative == PA_SEEK_RELATIVE);
static_assert(sizeof(SampleSpec) == sizeof(pa_sample_spec));
static_assert(offsetof(SampleSpec, rate) == offsetof(pa_sample_spec, rate));
static_assert(offsetof(SampleSpec, channels) == offsetof(pa_sample_spec, channels));
static_assert(sizeof(ChannelMap) == sizeof(pa_channel_map));
static_assert(offsetof(ChannelMap, map) == offsetof(pa_channel_map, map));
static_assert(sizeof(BufferAttributes) == sizeof(pa_buffer_attr));
static_assert(offsetof(BufferAttributes, prebuffer) == offsetof(pa_buffer_attr, prebuf));

}  // namespace glint::platform::sound::pulse
#endif

TEST(PulseTypes, AreLaidOutAsPulseAudiosHeadersSay) {
#ifndef GLINT_HAVE_PULSE_HEADERS
    GTEST_SKIP() << "PulseAudio's headers (libpulse-dev) are not installed";
#endif
}
