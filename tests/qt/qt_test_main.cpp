// The Qt tests need one application object for the whole run, made the way the programs make it.

#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt/qt_media_player.h"

int main(int argc, char* argv[]) {
    // Test discovery runs the program without the test's environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    glint::platform::qt::QtMediaPlayer::selectBackend();
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
