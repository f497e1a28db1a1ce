#include "platform/qt/qt_media_player.h"

#include <QAudio>
#include <QFile>
#include <QTimer>
#include <QtGlobal>

namespace glint::platform::qt {

void QtMediaPlayer::selectBackend() {
    qputenv("QT_MEDIA_BACKEND", "gstreamer");
}

void QtMediaPlayer::setFileName(const std::string& path) {
    m_source = QUrl::fromLocalFile(QFile::decodeName(path.c_str()));
    if (m_player) m_player->setSource(m_source);
}

void QtMediaPlayer::play() {
    m_wanted = true;
    if (m_player) {
        m_player->play();
    } else if (!m_startPending) {
        m_startPending = true;
        QTimer::singleShot(kStartDelayMs, &m_context, [this] { start(); });
    }
}

void QtMediaPlayer::stop() {
    m_wanted = false;
    if (m_player) m_player->stop();
}

void QtMediaPlayer::start() {
    m_startPending = false;
    if (!m_wanted || !m_turn.take()) return;
    m_output = std::make_unique<QAudioOutput>();
    m_output->setVolume(
        QAudio::convertVolume(kVolumeDb, QAudio::DecibelVolumeScale, QAudio::LinearVolumeScale));
    m_player = std::make_unique<QMediaPlayer>();
    m_player->setAudioOutput(m_output.get());
    m_player->setLoops(1);
    m_player->setSource(m_source);
    m_player->play();
}

}  // namespace glint::platform::qt
