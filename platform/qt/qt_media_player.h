#pragma once

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>
#include <QUrl>
#include <memory>

#include "platform/qt/music_turn.h"
#include "platform/services.h"

namespace glint::platform::qt {

// Plays one audio file once through Qt Multimedia at -6 dB. Failures of the media itself (a
// missing file, an unknown format, no sound device) are not reported: the show goes on silent.
//
// The media framework is started only when music is first asked for, and a moment later, from the
// event loop: its start-up (about 0.1 s cold) then does not hold back the show's first frame.
class QtMediaPlayer : public MediaPlayer {
public:
    // The volume: -6 dB.
    static constexpr float kVolumeDb = -6.0f;
    // How long after the request the music starts.
    static constexpr int kStartDelayMs = 150;

    // Picks the GStreamer media backend where this Qt has it (Qt 6.4's FFmpeg backend crashes on
    // machines without an audio device); otherwise Qt's own choice stands (FFmpeg from Qt 6.5 on,
    // the only backend some systems ship). A backend named in QT_MEDIA_BACKEND is kept. Call
    // before the application object is made.
    static void selectBackend();

    void setFileName(const std::string& path) override;
    void play() override;
    void stop() override;

    // Null until the music has started.
    const QMediaPlayer* player() const { return m_player.get(); }
    const QAudioOutput* output() const { return m_output.get(); }

private:
    void start();

    QUrl m_source;
    bool m_wanted = false;
    bool m_startPending = false;
    std::unique_ptr<QAudioOutput> m_output;
    std::unique_ptr<QMediaPlayer> m_player;
    MusicTurn m_turn;
    // Ends a pending start with the player.
    QObject m_context;
};

}  // namespace glint::platform::qt
