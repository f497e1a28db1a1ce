#pragma once

#include <QAudioOutput>
#include <QMediaPlayer>

#include "platform/services.h"

namespace glint::platform::qt {

// Plays one audio file once through Qt Multimedia at -6 dB. Failures of the media itself (a
// missing file, an unknown format, no sound device) are not reported: the show goes on silent.
class QtMediaPlayer : public MediaPlayer {
public:
    // The volume: -6 dB.
    static constexpr float kVolumeDb = -6.0f;

    // Picks the GStreamer media backend. Call before the application object is made: Qt's
    // ffmpeg backend crashes on machines without an audio device.
    static void selectBackend();

    QtMediaPlayer();

    void setFileName(const std::string& path) override;
    void play() override;
    void stop() override;

    const QMediaPlayer& player() const { return m_player; }
    const QAudioOutput& output() const { return m_output; }

private:
    QAudioOutput m_output;
    QMediaPlayer m_player;
};

}  // namespace glint::platform::qt
