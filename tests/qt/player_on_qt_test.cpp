// The player's window on the real Qt services, with a package folder of its own.

#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QScreen>
#include <QUrl>
#include <cmath>
#include <memory>

#include "assets/sample/wav_writer.h"
#include "package/quoted_list.h"
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
#include "tests/qt/qt_test_support.h"
#include "tests/support/temp_folder.h"

namespace glint::platform::qt {
namespace {

using glint::testing::colorAt;
using glint::testing::onScreen;
using glint::testing::runEventsFor;

struct PlayerOnQt : ::testing::Test {
    glint::testing::TempFolder folder;
    QtClock clock;
    TimerScheduler timers{clock};
    QtScreen screen;
    QtTextMetrics metrics;
    QtPictureLoader pictures;
    QtMediaPlayer media;
    QtCursor cursor;
    std::unique_ptr<QtRuntime> runtime = std::make_unique<QtRuntime>(timers);
    Services services{folder.path(), timers, *runtime, screen,  metrics,
                      pictures,      media,  cursor,   *runtime};
    std::unique_ptr<player::Form1> form;

    void writeList(const std::string& name, const std::string& text) {
        folder.write(name, "");
        package::appendQuotedLine(folder.file(name), text);
    }

    void writePackage(const std::string& musicSwitch) {
        QImage picture(200, 150, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        ASSERT_TRUE(picture.save(QString::fromStdString(folder.file("blue.jpg")), "JPEG", 95));
        std::vector<double> tone(4000);  // half a second
        for (std::size_t i = 0; i < tone.size(); ++i) tone[i] = 0.1 * std::sin(0.35 * i);
        const std::vector<std::uint8_t> wav = glint::assets::encodeWav(tone, 8000);
        folder.write("tone.wav", std::string(wav.begin(), wav.end()));
        writeList("pb.dat", "blue.jpg");
        writeList("ms.dat", "tone.wav");
        writeList("kg.ini", musicSwitch);
        writeList("timu.dat", "Caption in the corner");
    }

    void startShow() {
        form = std::make_unique<player::Form1>(services);
        runtime->start(*form);
    }

    void TearDown() override {
        // The window goes before the form it shows.
        runtime.reset();
        form.reset();
    }
};

TEST_F(PlayerOnQt, TheWindowCoversTheScreenWithTheCaptionTopRightInYellow) {
    writePackage("0");
    startShow();
    runEventsFor(100);  // before the first effect begins

    const FormWindow& window = *runtime->window();
    const QRect whole = QGuiApplication::primaryScreen()->geometry();
    ASSERT_EQ(window.geometry(), whole);
    const Rect caption = form->Label3.pixelRect();
    EXPECT_EQ(caption.right(), whole.width());
    EXPECT_EQ(caption.y, 0);
    EXPECT_GT(caption.width, 0);

    const QImage shown = onScreen(window);
    int yellow = 0;
    int elsewhere = 0;
    for (int y = 0; y < whole.height(); ++y) {
        for (int x = 0; x < whole.width(); ++x) {
            const Rgb c = colorAt(shown, x, y);
            if (caption.contains(x, y)) {
                yellow += (c >> 16) > 0xC0 && ((c >> 8) & 0xFF) > 0xC0 && (c & 0xFF) < 0x40;
            } else {
                elsewhere += c != 0;
            }
        }
    }
    EXPECT_GT(yellow, 20);
    EXPECT_EQ(elsewhere, 0);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::BlankCursor);
}

TEST_F(PlayerOnQt, TheMusicPlaysWhenTheSwitchSaysOne) {
    writePackage("1");
    startShow();
    // The music starts a moment after the window.
    for (int waited = 0; waited < 2000 && !media.player(); waited += 20) runEventsFor(20);
    ASSERT_NE(media.player(), nullptr);
    const QMediaPlayer& player = *media.player();
    EXPECT_EQ(player.source(),
              QUrl::fromLocalFile(QString::fromStdString(folder.file("tone.wav"))));
    EXPECT_NEAR(media.output()->volume(), 0.501, 0.001);  // -6 dB
    // Without a sound device Qt's FFmpeg backend (Qt 6.5 on) stays stopped, while GStreamer plays
    // into a fake sink. What a sound server hears is tested end to end.
    if (QMediaDevices::audioOutputs().isEmpty() &&
        player.playbackState() == QMediaPlayer::StoppedState) {
        return;
    }
    EXPECT_EQ(player.playbackState(), QMediaPlayer::PlayingState);
    // Half a second of music, played once to its end.
    for (int waited = 0; waited < 5000 && player.mediaStatus() != QMediaPlayer::EndOfMedia &&
                         player.mediaStatus() != QMediaPlayer::InvalidMedia;
         waited += 20) {
        runEventsFor(20);
    }
    EXPECT_EQ(player.mediaStatus(), QMediaPlayer::EndOfMedia);
    EXPECT_EQ(player.playbackState(), QMediaPlayer::StoppedState);
}

TEST_F(PlayerOnQt, TheMusicStaysSilentWhenTheSwitchSaysAnythingElse) {
    writePackage("0");
    startShow();
    runEventsFor(2 * QtMediaPlayer::kStartDelayMs);
    EXPECT_EQ(media.player(), nullptr);
}

TEST(QtMusic, MusicHaltedBeforeItStartedNeverPlays) {
    QtMediaPlayer media;
    media.setFileName("/nowhere/tone.wav");
    media.play();
    media.stop();
    runEventsFor(2 * QtMediaPlayer::kStartDelayMs);
    EXPECT_EQ(media.player(), nullptr);
}

}  // namespace
}  // namespace glint::platform::qt
