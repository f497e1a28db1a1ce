#include "platform/sound/alsa_output.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <thread>

namespace glint::platform::sound {
namespace {

// ALSA's values, as alsa/pcm.h sets them.
constexpr int kPlayback = 0;     // SND_PCM_STREAM_PLAYBACK
constexpr int kNonBlocking = 1;  // SND_PCM_NONBLOCK
constexpr int kSigned16Le = 2;   // SND_PCM_FORMAT_S16_LE
constexpr int kFloatLe = 14;     // SND_PCM_FORMAT_FLOAT_LE
constexpr int kInterleaved = 3;  // SND_PCM_ACCESS_RW_INTERLEAVED
constexpr int kPrepared = 2;     // SND_PCM_STATE_PREPARED
constexpr int kRunning = 3;      // SND_PCM_STATE_RUNNING

// ALSA prints its errors (a missing device, a plugin without its server) unless told otherwise;
// the music's failures are never shown.
void ignoreError(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

std::unique_ptr<AlsaOutput> AlsaOutput::open(const SoundFormat& format) {
    std::unique_ptr<AlsaOutput> output(new AlsaOutput);
    if (!output->start(format)) return nullptr;
    return output;
}

bool AlsaOutput::start(const SoundFormat& format) {
    const DynamicLibrary& lib = m_library;
    if (!lib.bind(m_api.open, "snd_pcm_open") || !lib.bind(m_api.setParams, "snd_pcm_set_params") ||
        !lib.bind(m_api.writeFrames, "snd_pcm_writei") || !lib.bind(m_api.wait, "snd_pcm_wait") ||
        !lib.bind(m_api.recover, "snd_pcm_recover") || !lib.bind(m_api.state, "snd_pcm_state") ||
        !lib.bind(m_api.start, "snd_pcm_start") || !lib.bind(m_api.delay, "snd_pcm_delay") ||
        !lib.bind(m_api.drain, "snd_pcm_drain") ||
        !lib.bind(m_api.setNonBlocking, "snd_pcm_nonblock") ||
        !lib.bind(m_api.close, "snd_pcm_close") ||
        !lib.bind(m_api.setErrorHandler, "snd_lib_error_set_handler")) {
        return false;
    }
    m_api.setErrorHandler(ignoreError);
    if (m_api.open(&m_device, "default", kPlayback, kNonBlocking) < 0) {
        m_device = nullptr;
        return false;
    }
    m_format = format;
    const auto channels = static_cast<unsigned>(format.channels);
    const auto rate = static_cast<unsigned>(format.rate);
    constexpr unsigned kLatency = kBufferMs * 1000;
    m_float = m_api.setParams(m_device, kFloatLe, kInterleaved, channels, rate, 1, kLatency) == 0;
    return m_float ||
           m_api.setParams(m_device, kSigned16Le, kInterleaved, channels, rate, 1, kLatency) == 0;
}

AlsaOutput::~AlsaOutput() {
    // Closing drops what the device has not played.
    if (m_device) m_api.close(m_device);
}

std::size_t AlsaOutput::write(const float* samples, std::size_t frames) {
    const void* data = samples;
    if (!m_float) {
        m_converted.resize(frames * m_format.channels);
        std::transform(samples, samples + m_converted.size(), m_converted.begin(), [](float v) {
            return static_cast<short>(std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f));
        });
        data = m_converted.data();
    }
    long written = m_api.writeFrames(m_device, data, frames);
    if (written == -EAGAIN) {
        // The buffer is full: wait for room, a block's time at most.
        m_api.wait(m_device, kBlockMs);
        written = m_api.writeFrames(m_device, data, frames);
    }
    if (written == -EAGAIN) return 0;
    if (written < 0) {
        // An underrun (the machine was busy) is recovered from; the frames are offered again.
        return m_api.recover(m_device, static_cast<int>(written), 1) < 0 ? kFailed : 0;
    }
    return static_cast<std::size_t>(written);
}

bool AlsaOutput::playOut() {
    // A device starts once its buffer is full: music shorter than that is started here.
    if (m_api.state(m_device) == kPrepared) m_api.start(m_device);
    long frames = 0;
    if (m_api.state(m_device) != kRunning || m_api.delay(m_device, &frames) < 0) return false;
    const long long micros = static_cast<long long>(frames) * 1000000 / m_format.rate;
    constexpr long long kBlockMicros = kBlockMs * 1000;
    if (micros > kBlockMicros) {
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::min(micros - kBlockMicros, kBlockMicros)));
        return true;
    }
    // The last block is drained, which also waits for what a plugin (PulseAudio's) holds beyond
    // the device's own buffer; the device must block for that.
    m_api.setNonBlocking(m_device, 0);
    m_api.drain(m_device);
    return false;
}

}  // namespace glint::platform::sound
