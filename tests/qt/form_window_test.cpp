// A plain form on the Qt runtime: what reaches the screen, and what the user's input becomes.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <algorithm>
#include <vector>

#include "platform/form.h"
#include "platform/label.h"
#include "platform/picture_box.h"
#include "platform/qt/control_painter.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_runtime.h"
#include "platform/timer.h"
#include "platform/timer_scheduler.h"
#include "tests/qt/qt_test_support.h"

namespace glint::platform::qt {
namespace {

using glint::testing::colorAt;
using glint::testing::onScreen;

// Records the regions Qt asks the window to paint.
class PaintRecorder : public QObject {
public:
    std::vector<QRect> painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted.push_back(static_cast<QPaintEvent*>(event)->region().boundingRect());
        }
        return false;
    }
};

struct QtWindow : ::testing::Test {
    QtClock clock;
    TimerScheduler timers{clock};
    QtRuntime runtime{timers};
    Form form{"Form", "window test"};
    Label label{"label", "MMMMMMMMMMMM"};
    PictureBox box{"box"};

    void SetUp() override {
        form.setMaximized(true);
        form.setBorderless(true);
        label.setPixelRect({10, 10, 200, 30});
        label.setForeColor(0xFFFFFF);
        label.setTransparent(true);
        box.setPicture(Image(10, 10, 0x00FF00));
        box.setPixelRect({20, 20, 14, 14});
        form.addControl(label);
        form.addControl(box);
    }

    FormWindow& start() {
        runtime.start(form);
        runtime.doEvents();
        return *runtime.window();
    }
};

TEST_F(QtWindow, APixelWriteReachesTheScreenAtTheNextEventPassAndRepaintsOnlyItself) {
    FormWindow& window = start();
    PaintRecorder recorder;
    window.installEventFilter(&recorder);

    form.surface().setPixel(300, 200, 0xFF0000);
    EXPECT_EQ(colorAt(onScreen(window), 300, 200), 0x000000u);
    runtime.doEvents();
    EXPECT_EQ(colorAt(onScreen(window), 300, 200), 0xFF0000u);
    ASSERT_EQ(recorder.painted.size(), 1u);
    EXPECT_EQ(recorder.painted[0], QRect(300, 200, 1, 1));
}

TEST_F(QtWindow, APictureBoxIsDrawnOverLabelsWithASunkenBorder) {
    box.setVisible(true);
    const QImage shown = onScreen(start());
    // Both rings: darker on the top and left, lighter on the bottom and right.
    EXPECT_EQ(colorAt(shown, 20, 25), ControlPainter::kOuterShadow);
    EXPECT_EQ(colorAt(shown, 21, 25), ControlPainter::kInnerShadow);
    EXPECT_EQ(colorAt(shown, 33, 25), ControlPainter::kOuterLight);
    EXPECT_EQ(colorAt(shown, 32, 25), ControlPainter::kInnerLight);
    // The label's white text runs under the box and nowhere shows through it.
    for (int y = 22; y < 32; ++y) {
        for (int x = 22; x < 32; ++x) ASSERT_EQ(colorAt(shown, x, y), 0x00FF00u) << x << "," << y;
    }
    bool textBesideTheBox = false;
    for (int x = 40; x < 200; ++x) textBesideTheBox |= colorAt(shown, x, 20) != 0;
    EXPECT_TRUE(textBesideTheBox);
}

// A picture emptied and another of the same size loaded before the window looks again often lands
// in the first one's memory: here the new picture is written over the old one's very pixels.
TEST_F(QtWindow, APictureReplacedInTheSameMemoryIsShownAnew) {
    FormWindow& window = start();
    ASSERT_EQ(colorAt(onScreen(window), 25, 25), 0x00FF00u);
    auto& pixels = const_cast<Image&>(box.picture()).pixels();
    std::fill(pixels.begin(), pixels.end(), 0x0000FF);
    runtime.doEvents();
    EXPECT_EQ(colorAt(onScreen(window), 25, 25), 0x0000FFu);
}

TEST_F(QtWindow, InputReachesTheHandlersInTwipsWithButtonAndShiftState) {
    FormWindow& window = start();
    std::vector<MouseEvent> downs;
    std::vector<KeyEvent> keys;
    form.onMouseDown = [&](const MouseEvent& e) { downs.push_back(e); };
    form.onKeyDown = [&](const KeyEvent& e) { keys.push_back(e); };

    const QPointF at(30, 40);
    QMouseEvent press(QEvent::MouseButtonPress, at, window.mapToGlobal(at), Qt::RightButton,
                      Qt::RightButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(&window, &press);
    for (const int key : {int(Qt::Key_A), int(Qt::Key_7), int(Qt::Key_Shift), int(Qt::Key_Tab)}) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
    }

    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0].button, kRightButton);
    EXPECT_EQ(downs[0].shift, kShiftKey);
    EXPECT_EQ(downs[0].x, 450.0f);
    EXPECT_EQ(downs[0].y, 600.0f);
    ASSERT_EQ(keys.size(), 4u);
    EXPECT_EQ(keys[0].keyCode, 'A');
    EXPECT_EQ(keys[1].keyCode, '7');
    // A modifier key alone is a key like any other, and holds itself down.
    EXPECT_EQ(keys[2].keyCode, Qt::Key_Shift);
    EXPECT_EQ(keys[2].shift, kShiftKey);
    EXPECT_EQ(keys[3].keyCode, Qt::Key_Tab);
}

TEST_F(QtWindow, TimersTickFromTheEventLoopIncludingOnesSwitchedOnByInput) {
    Timer steady(timers, "steady", 50, true);
    Timer late(timers, "late", 20, false);
    int steadyTicks = 0;
    int lateTicks = 0;
    steady.onTick = [&] { ++steadyTicks; };
    late.onTick = [&] { ++lateTicks; };
    form.onClick = [&] { late.setEnabled(true); };
    FormWindow& window = start();

    const QPointF at(500, 400);
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, window.mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&window, &event);
    }
    glint::testing::runEventsFor(330);

    // Never more often than their intervals allow; the lower bounds leave room for a busy machine.
    EXPECT_GE(steadyTicks, 3);
    EXPECT_LE(steadyTicks, 7);
    EXPECT_GE(lateTicks, 6);
    EXPECT_LE(lateTicks, 17);
}

}  // namespace
}  // namespace glint::platform::qt
