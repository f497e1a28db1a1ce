#include "tests/qt/qt_test_support.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <cstdlib>

namespace glint::testing {

void runEventsFor(int ms) {
    QElapsedTimer elapsed;
    elapsed.start();
    while (elapsed.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

QImage onScreen(const QWidget& window) {
    // The offscreen platform grabs a window from its backing store: what was flushed, exactly.
    return window.screen()
        ->grabWindow(window.winId())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

platform::Rgb colorAt(const QImage& image, int x, int y) {
    return static_cast<platform::Rgb>(image.pixel(x, y)) & 0x00FFFFFFu;
}

bool near(platform::Rgb a, platform::Rgb b, int tolerance) {
    for (int shift : {0, 8, 16}) {
        const int ca = static_cast<int>((a >> shift) & 0xFF);
        const int cb = static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(ca - cb) > tolerance) return false;
    }
    return true;
}

}  // namespace glint::testing
