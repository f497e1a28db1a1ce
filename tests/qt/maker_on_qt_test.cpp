// The authoring program's main window on Qt: what it shows, and what the pointer does to it.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>
#include <deque>
#include <filesystem>

#include "tests/qt/maker_fixture.h"
#include "tests/qt/qt_test_support.h"

namespace glint::maker {
namespace {

using glint::testing::colorAt;
using glint::testing::near;
using glint::testing::onScreen;
using glint::testing::runEventsFor;
using platform::Rect;

struct MainWindowOnQt : ::testing::Test, glint::testing::MakerFixture {
    FormMain& f = start();

    static QImage artwork(const char* name) {
        return QImage(QString(GLINT_MAKER_ARTWORK_DIR "/") + name)
            .convertToFormat(QImage::Format_RGB32);
    }
    // Whether the window shows the picture at the control's place, pixel for pixel.
    bool shows(const platform::Control& control, const QImage& picture) {
        runEventsFor(20);
        const QImage shown = onScreen(window());
        const Rect& r = control.pixelRect();
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const platform::Rgb want = picture.pixel(x, y) & 0xFFFFFFu;
                if (!near(colorAt(shown, r.x + x, r.y + y), want, 2)) return false;
            }
        }
        return true;
    }
};

TEST_F(MainWindowOnQt, IsAFramelessFixedPictureCentredOnTheScreen) {
    const QWidget& w = window();
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w.minimumSize(), QSize(701, 407));
    EXPECT_EQ(w.maximumSize(), QSize(701, 407));
    EXPECT_EQ(w.windowTitle(), "Glint");
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_NEAR(w.x(), (screen.width() - 701) / 2, 1);
    EXPECT_NEAR(w.y(), (screen.height() - 407) / 2, 1);
    EXPECT_EQ(w.pos(), QPoint(f.pixelRect().x, f.pixelRect().y));

    // The background where no control lies, the buttons' built-in pictures where the logic put
    // them, and the preview's sample photo stretched over its 153 x 204 pixels.
    const QImage background = artwork("background.jpg");
    const QImage shown = onScreen(w);
    for (const QPoint at : {QPoint(3, 3), QPoint(400, 390), QPoint(690, 110), QPoint(200, 60)}) {
        EXPECT_TRUE(near(colorAt(shown, at.x(), at.y()), background.pixel(at) & 0xFFFFFFu, 2))
            << at.x() << "," << at.y();
    }
    EXPECT_TRUE(shows(f.Picture3, artwork("pic/003_1.jpg")));
    EXPECT_TRUE(shows(f.Pic_guan, artwork("pic/guan_1.jpg")));
    EXPECT_TRUE(shows(f.Pic_shiji, artwork("shiji.jpg")));
    const QImage photo = artwork("sample_photo.jpg");
    const Rect preview = f.Image1.pixelRect();
    EXPECT_TRUE(
        near(colorAt(shown, preview.x + 76, preview.y + 102), photo.pixel(75, 99) & 0xFFFFFFu, 12));
}

TEST_F(MainWindowOnQt, AButtonShowsItsHoverPictureAndTheHandAndHoldsTheCaptureOneAtATime) {
    mouse(QEvent::MouseMove, centreOf(f.Picture1));
    EXPECT_TRUE(shows(f.Picture1, artwork("pic/001_2.jpg")));
    EXPECT_EQ(QWidget::mouseGrabber(), &window());
    EXPECT_EQ(window().cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(window().cursor().hotSpot(), QPoint(12, 1));

    // Straight onto the neighbour: the first button takes that move and lets go; only the next
    // move reaches the neighbour.
    mouse(QEvent::MouseMove, centreOf(f.Picture2));
    EXPECT_TRUE(shows(f.Picture1, artwork("pic/001_1.jpg")));
    EXPECT_TRUE(shows(f.Picture2, artwork("pic/002_1.jpg")));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    mouse(QEvent::MouseMove, centreOf(f.Picture2) + QPoint(1, 0));
    EXPECT_TRUE(shows(f.Picture2, artwork("pic/002_2.jpg")));
    EXPECT_EQ(QWidget::mouseGrabber(), &window());

    // Far outside the window the capture still brings the move, and the pointer is normal on
    // the background.
    mouse(QEvent::MouseMove, QPoint(-300, 900));
    EXPECT_TRUE(shows(f.Picture2, artwork("pic/002_1.jpg")));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    mouse(QEvent::MouseMove, QPoint(400, 390));
    EXPECT_EQ(window().cursor().shape(), Qt::ArrowCursor);
}

// The message about a button picture that went missing comes while the button holds the capture:
// the message box gets the mouse meanwhile, and the button takes it back after.
TEST_F(MainWindowOnQt, AMessageWhileAButtonHoldsTheCaptureCanBeAnsweredWithTheMouse) {
    mouse(QEvent::MouseMove, centreOf(f.Picture1));
    ASSERT_EQ(QWidget::mouseGrabber(), &window());
    std::filesystem::remove(folder.file("pic/001_2.jpg"));
    bool asked = false;
    glint::testing::actOnModal([&](QWidget& box) {
        asked = true;
        EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
        box.close();
    });
    mouse(QEvent::MouseMove, centreOf(f.Picture1) + QPoint(1, 0));
    EXPECT_TRUE(asked);
    EXPECT_EQ(QWidget::mouseGrabber(), &window());
}

TEST_F(MainWindowOnQt, DraggingTheBackgroundCarriesTheWindowUnderThePointerWithoutDrift) {
    const QPoint start = window().pos();
    const QPoint press(400, 390);
    const QPoint pressOnScreen = window().mapToGlobal(press);
    mouse(QEvent::MouseButtonPress, press, Qt::LeftButton);
    // The window system reports each move from where the window was two moves earlier: it
    // lags behind the moves the logic asks for, as it does while the pointer moves fast.
    std::deque<QPoint> known{start, start};
    for (int step = 1; step <= 30; ++step) {
        const QPoint pointer = pressOnScreen + QPoint(5 * step, -3 * step);
        mouse(QEvent::MouseMove, pointer - known.front(), pointer, Qt::LeftButton);
        // After each step the pointer stands at the press point again.
        EXPECT_EQ(window().mapFromGlobal(pointer), press) << "step " << step;
        known.pop_front();
        known.push_back(window().pos());
    }
    const QPoint end = pressOnScreen + QPoint(150, -90);
    mouse(QEvent::MouseButtonRelease, end - known.front(), end, Qt::NoButton);
    EXPECT_EQ(window().pos(), start + QPoint(150, -90));
    EXPECT_EQ(f.pixelRect().x, start.x() + 150);
    EXPECT_EQ(f.pixelRect().y, start.y() - 90);
}

// The user, or a window manager keeping the window on the screen, moved it: the form's place
// follows, and the next drag measures from where the window really is.
TEST_F(MainWindowOnQt, AMoveByTheWindowSystemBecomesTheFormsPlace) {
    const QPoint moved = window().pos() + QPoint(-30, 20);
    window().move(moved);
    EXPECT_EQ(f.pixelRect().x, moved.x());
    EXPECT_EQ(f.pixelRect().y, moved.y());
    const QPoint press(400, 390);
    const QPoint pressOnScreen = moved + press;
    mouse(QEvent::MouseButtonPress, press, pressOnScreen, Qt::LeftButton);
    mouse(QEvent::MouseMove, press + QPoint(7, 7), pressOnScreen + QPoint(7, 7), Qt::LeftButton);
    EXPECT_EQ(window().pos(), moved + QPoint(7, 7));
}

TEST_F(MainWindowOnQt, MinimiseMinimisesAndARestoreByTheSystemClearsTheFlag) {
    click(f.Pic_zuixiao);
    EXPECT_TRUE(window().isMinimized());
    EXPECT_TRUE(f.minimized());
    window().showNormal();
    EXPECT_FALSE(f.minimized());
    EXPECT_FALSE(window().isMinimized());
}

}  // namespace
}  // namespace glint::maker
