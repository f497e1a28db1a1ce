#include "platform/qt/qt_media_player.h"

#include <QAudio>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QTimer>
#include <QtGlobal>

namespace glint::platform::qt {

void QtMediaPlayer::selectBackend() {
    if (qEnvironmentVariableIsSet("QT_MEDIA_BACKEND")) return;
    QStringList folders = qEnvironmentVariable("QT_PLUGIN_PATH").split(':', Qt::SkipEmptyParts);
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath);
    for (const QString& folder : folders) {
        if (!QDir(folder + "/multimedia").entryList({"*gstreamer*"}, QDir::Files).isEmpty()) {
            qputenv("QT_MEDIA_BACKEND", "gstreamer");
            return;
        }
    }
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
