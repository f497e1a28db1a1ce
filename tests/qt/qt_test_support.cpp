#include "tests/qt/qt_test_support.h"

#include <gtest/gtest.h>
#include <QApplication>
#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cstdlib>
#include <memory>

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

void actOn(std::function<QWidget*()> find, std::function<void(QWidget&)> action) {
    constexpr int kGiveUpMs = 5000;
    auto* poll = new QTimer;
    auto waited = std::make_shared<QElapsedTimer>();
    waited->start();
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        QWidget* window = find();
        if (!window && waited->elapsed() < kGiveUpMs) return;
        poll->stop();
        poll->deleteLater();
        if (!window) {
            ADD_FAILURE() << "the window to act on never appeared";
            return;
        }
        action(*window);
    });
    poll->start(10);
}

void actOnModal(std::function<void(QWidget&)> action) {
    actOn([] { return QApplication::activeModalWidget(); }, std::move(action));
}

void typeFileName(QFileDialog& dialog, const std::string& path) {
    auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
    EXPECT_NE(name, nullptr);
    if (name) name->setText(QString::fromStdString(path));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(name ? static_cast<QWidget*>(name) : &dialog, &enter);
    if (dialog.isVisible()) {
        ADD_FAILURE() << "the file dialog did not take " << path;
        dialog.close();
    }
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

QByteArray uprightPhoneJpeg(int width, int height) {
    QImage stored(width, height, QImage::Format_RGB32);
    stored.fill(qRgb(255, 0, 0));
    for (int y = 0; y < height; ++y) {
        for (int x = width / 2; x < width; ++x) stored.setPixel(x, y, qRgb(0, 0, 255));
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(stored.save(&buffer, "JPEG", 95));
    // Orientation 6, in Motorola byte order, right after the start-of-image marker.
    static const char exif[] =
        "\xFF\xE1\x00\x22"
        "Exif\x00\x00"
        "MM\x00\x2A\x00\x00\x00\x08"
        "\x00\x01"
        "\x01\x12\x00\x03\x00\x00\x00\x01\x00\x06\x00\x00"
        "\x00\x00\x00\x00";
    jpeg.insert(2, QByteArray(exif, sizeof exif - 1));
    return jpeg;
}

}  // namespace glint::testing
