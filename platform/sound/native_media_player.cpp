#include "platform/sound/native_media_player.h"

#include <vector>

#include "platform/sound/music_decoder.h"
#include "platform/sound/sound_gain.h"
#include "platform/sound/system_sound_device.h"

namespace glint::platform::sound {

NativeMediaPlayer::NativeMediaPlayer()
    : m_ownDevice(std::make_unique<SystemSoundDevice>()), m_device(*m_ownDevice) {}

NativeMediaPlayer::NativeMediaPlayer(SoundDevice& device) : m_device(device) {}

NativeMediaPlayer::~NativeMediaPlayer() {
    stop();
}

void NativeMediaPlayer::setFileName(const std::string& path) {
    if (path == m_path) return;
    stop();
    m_path = path;
}

void NativeMediaPlayer::play() {
    if (playing()) return;
    if (m_worker.joinable()) m_worker.join();
    m_stop = false;
    m_finished = false;
    try {
        m_worker = std::thread(&NativeMediaPlayer::session, this, m_path);
    } catch (...) {
        // No thread to be had: the show goes on silent.
        m_finished = true;
    }
}

void NativeMediaPlayer::stop() {
    if (!m_worker.joinable()) return;
    m_stop = true;
    m_worker.join();
}

void NativeMediaPlayer::session(const std::string& path) {
    try {
        if (!path.empty()) playToEnd(path);
    } catch (...) {
        // A failure of the music (memory, a library's own exception) ends the music alone.
    }
    m_finished = true;
}

void NativeMediaPlayer::playToEnd(const std::string& path) {
    const std::unique_ptr<SoundSource> source = openMusic(path, m_stop);
    if (!source || m_stop) return;
    const SoundFormat format = source->format();
    const std::unique_ptr<SoundOutput> output = m_device.open(format, m_stop);
    if (!output) return;
    const float gain = amplitudeOf(kMusicGainDb);
    const std::size_t frames = blockFrames(format);
    std::vector<float> block(frames * format.channels);
    while (!m_stop) {
        const std::size_t got = source->read(block.data(), frames);
        if (got == 0) break;
        applyGain(block.data(), got * format.channels, gain);
        for (std::size_t written = 0; written < got;) {
            if (m_stop) return;
            const std::size_t taken =
                output->write(block.data() + written * format.channels, got - written);
            if (taken == SoundOutput::kFailed) return;
            written += taken;
        }
    }
    // The end sounds out before the stream is closed, which would discard it.
    while (!m_stop && output->playOut()) {
    }
}

}  // namespace glint::platform::sound
