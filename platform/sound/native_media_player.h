#pragma once

// The music on Linux without a toolkit: one file, decoded by ourselves or by a library the system
// has (loaded at run time), played once at -6 dB to the desktop's sound system. Where there is
// no decoder for the file or no sound system, the show goes on silent; no failure of the music
// is ever reported.
//
// Opening the file and the sound system may take a while the first time (GStreamer's start,
// connecting to the server), so each play runs on a thread of its own: play() returns at once
// and the show's first frame is not held back.

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "platform/services.h"
#include "platform/sound/sound_device.h"

namespace glint::platform::sound {

class NativeMediaPlayer : public MediaPlayer {
public:
    // Plays to the system's sound (PulseAudio, then ALSA).
    NativeMediaPlayer();
    // Plays to `device`, which must outlive the player.
    explicit NativeMediaPlayer(SoundDevice& device);
    ~NativeMediaPlayer() override;
    NativeMediaPlayer(const NativeMediaPlayer&) = delete;
    NativeMediaPlayer& operator=(const NativeMediaPlayer&) = delete;

    // A new file ends the music playing. Paths are the system's bytes (UTF-8).
    void setFileName(const std::string& path) override;
    // Starts the file from its beginning, unless its music still plays.
    void play() override;
    // Ends the music at once: what the sound system holds is discarded, not played out.
    void stop() override;

    // Whether the music's thread still runs: opening, playing or sounding out its end.
    bool playing() const { return m_worker.joinable() && !m_finished; }

private:
    void session(const std::string& path);
    void playToEnd(const std::string& path);

    std::unique_ptr<SoundDevice> m_ownDevice;
    SoundDevice& m_device;
    std::string m_path;
    std::thread m_worker;
    StopFlag m_stop{false};
    std::atomic<bool> m_finished{true};
};

}  // namespace glint::platform::sound
