// glintsaver: the picture show, on Qt. Command-line arguments are ignored: whatever a launcher
// passes, the show starts.

#include <QApplication>
#include <QFile>

#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_cursor.h"
#include "platform/qt/qt_media_player.h"
#include "platform/qt/qt_picture_loader.h"
#include "platform/qt/qt_runtime.h"
#include "platform/qt/qt_screen.h"
#include "platform/qt/qt_text_metrics.h"
#include "platform/services.h"
#include "platform/timer_scheduler.h"
#include "player/form1.h"

int main(int argc, char* argv[]) {
    namespace qt = glint::platform::qt;
    qt::QtMediaPlayer::selectBackend();
    QApplication app(argc, argv);

    qt::QtClock clock;
    glint::platform::TimerScheduler timers(clock);
    // The show works in the screen's device pixels, on scaled screens too.
    qt::QtScreen screen(qt::ScreenUse::Show);
    qt::QtTextMetrics textMetrics(qt::ScreenUse::Show);
    qt::QtPictureLoader pictures;
    qt::QtMediaPlayer media;
    qt::QtCursor cursor;
    qt::QtRuntime runtime(timers, qt::ScreenUse::Show);
    // The package lies beside the executable.
    const std::string ownFolder =
        QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    glint::platform::Services services{ownFolder, timers, runtime, screen, textMetrics,
                                       pictures,  media,  cursor,  runtime};

    glint::player::Form1 form(services);
    return runtime.run(form);
}
