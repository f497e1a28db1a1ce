#include "platform/qt/qt_media_player.h"

#include <QAudio>
#include <QFile>
#include <QUrl>
#include <QtGlobal>

namespace glint::platform::qt {

void QtMediaPlayer::selectBackend() {
    qputenv("QT_MEDIA_BACKEND", "gstreamer");
}

QtMediaPlayer::QtMediaPlayer() {
    m_output.setVolume(
        QAudio::convertVolume(kVolumeDb, QAudio::DecibelVolumeScale, QAudio::LinearVolumeScale));
    m_player.setAudioOutput(&m_output);
    m_player.setLoops(1);
}

void QtMediaPlayer::setFileName(const std::string& path) {
    m_player.setSource(QUrl::fromLocalFile(QFile::decodeName(path.c_str())));
}

void QtMediaPlayer::play() {
    m_player.play();
}

void QtMediaPlayer::stop() {
    m_player.stop();
}

}  // namespace glint::platform::qt
