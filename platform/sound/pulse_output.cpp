#include "platform/sound/pulse_output.h"

#include <algorithm>
#include <chrono>
#include <cstdint>

#include "platform/sound/pulse_types.h"

namespace glint::platform::sound {
namespace {

using Clock = std::chrono::steady_clock;

int microsUntil(Clock::time_point deadline) {
    const auto left =
        std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<long long>(0, left.count()));
}

}  // namespace

std::unique_ptr<PulseOutput> PulseOutput::open(const SoundFormat& format, const StopFlag& stop) {
    std::unique_ptr<PulseOutput> output(new PulseOutput);
    if (!output->bindApi() || !output->start(format, stop)) return nullptr;
    return output;
}

bool PulseOutput::bindApi() {
    const DynamicLibrary& lib = m_library;
    return lib.bind(m_api.newLoop, "pa_mainloop_new") &&
           lib.bind(m_api.freeLoop, "pa_mainloop_free") &&
           lib.bind(m_api.loopApi, "pa_mainloop_get_api") &&
           lib.bind(m_api.prepare, "pa_mainloop_prepare") &&
           lib.bind(m_api.poll, "pa_mainloop_poll") &&
           lib.bind(m_api.dispatch, "pa_mainloop_dispatch") &&
           lib.bind(m_api.newContext, "pa_context_new") &&
           lib.bind(m_api.connect, "pa_context_connect") &&
           lib.bind(m_api.contextState, "pa_context_get_state") &&
           lib.bind(m_api.disconnect, "pa_context_disconnect") &&
           lib.bind(m_api.unrefContext, "pa_context_unref") &&
           lib.bind(m_api.newStream, "pa_stream_new") &&
           lib.bind(m_api.connectPlayback, "pa_stream_connect_playback") &&
           lib.bind(m_api.streamState, "pa_stream_get_state") &&
           lib.bind(m_api.writableSize, "pa_stream_writable_size") &&
           lib.bind(m_api.writeStream, "pa_stream_write") &&
           lib.bind(m_api.drain, "pa_stream_drain") &&
           lib.bind(m_api.operationState, "pa_operation_get_state") &&
           lib.bind(m_api.unrefOperation, "pa_operation_unref") &&
           lib.bind(m_api.disconnectStream, "pa_stream_disconnect") &&
           lib.bind(m_api.unrefStream, "pa_stream_unref") &&
           lib.bind(m_api.extendMap, "pa_channel_map_init_extend");
}

bool PulseOutput::start(const SoundFormat& format, const StopFlag& stop) {
    m_loop = m_api.newLoop();
    if (!m_loop) return false;
    m_context = m_api.newContext(m_api.loopApi(m_loop), "Glint");
    // The server of the session, or the one PULSE_SERVER names; started if the system says so.
    if (!m_context || m_api.connect(m_context, nullptr, 0, nullptr) < 0) return false;
    const auto deadline = Clock::now() + std::chrono::milliseconds(kConnectTimeoutMs);
    int state = 0;
    while ((state = m_api.contextState(m_context)) < pulse::kContextReady) {
        if (stop || Clock::now() > deadline || !iterate(kBlockMs * 1000)) return false;
    }
    if (state != pulse::kContextReady) return false;

    const pulse::SampleSpec spec{pulse::kFloat32Le, static_cast<std::uint32_t>(format.rate),
                                 static_cast<std::uint8_t>(format.channels)};
    // Beyond stereo, the channels are in the order of WAV files (WAVE_FORMAT_EXTENSIBLE's), which
    // is also MP3's and FFmpeg's; PulseAudio's default order differs.
    pulse::ChannelMap map{};
    const void* mapping =
        format.channels > 2 ? m_api.extendMap(&map, format.channels, pulse::kMapWaveEx) : nullptr;
    m_stream = m_api.newStream(m_context, "Music", &spec, mapping);
    m_frameBytes = sizeof(float) * static_cast<std::size_t>(format.channels);
    const auto targetBytes = static_cast<std::uint32_t>(static_cast<std::uint64_t>(format.rate) *
                                                        kBufferMs / 1000 * m_frameBytes);
    const pulse::BufferAttributes buffer{pulse::kDefault, targetBytes, pulse::kDefault,
                                         pulse::kDefault, pulse::kDefault};
    if (!m_stream || m_api.connectPlayback(m_stream, nullptr, &buffer, pulse::kAdjustLatency,
                                           nullptr, nullptr) < 0) {
        return false;
    }
    while ((state = m_api.streamState(m_stream)) < pulse::kStreamReady) {
        if (stop || Clock::now() > deadline || !iterate(kBlockMs * 1000)) return false;
    }
    return state == pulse::kStreamReady;
}

PulseOutput::~PulseOutput() {
    // Disconnecting drops what the server has not played.
    if (m_drain) m_api.unrefOperation(m_drain);
    if (m_stream) {
        m_api.disconnectStream(m_stream);
        m_api.unrefStream(m_stream);
    }
    if (m_context) {
        m_api.disconnect(m_context);
        m_api.unrefContext(m_context);
    }
    if (m_loop) m_api.freeLoop(m_loop);
}

bool PulseOutput::iterate(int timeoutMicros) {
    return m_api.prepare(m_loop, timeoutMicros) >= 0 && m_api.poll(m_loop) >= 0 &&
           m_api.dispatch(m_loop) >= 0;
}

std::size_t PulseOutput::write(const float* samples, std::size_t frames) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(kBlockMs);
    std::size_t written = 0;
    // What the server asked for since the last call comes in without waiting.
    int wait = 0;
    while (written < frames) {
        if (!iterate(wait) || m_api.streamState(m_stream) != pulse::kStreamReady) return kFailed;
        const std::size_t room = m_api.writableSize(m_stream);
        if (room == static_cast<std::size_t>(-1)) return kFailed;
        const std::size_t take = std::min(frames - written, room / m_frameBytes);
        if (take > 0) {
            if (m_api.writeStream(m_stream, samples + written * (m_frameBytes / sizeof(float)),
                                  take * m_frameBytes, nullptr, 0, pulse::kSeekRelative) < 0) {
                return kFailed;
            }
            written += take;
            continue;
        }
        wait = microsUntil(deadline);
        if (wait == 0) break;
    }
    return written;
}

bool PulseOutput::playOut() {
    // Draining also starts a stream that has not yet buffered enough to start by itself.
    if (!m_drain) m_drain = m_api.drain(m_stream, nullptr, nullptr);
    if (!m_drain || !iterate(kBlockMs * 1000)) return false;
    return m_api.operationState(m_drain) == pulse::kOperationRunning &&
           m_api.streamState(m_stream) == pulse::kStreamReady;
}

}  // namespace glint::platform::sound
