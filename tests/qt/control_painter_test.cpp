// The Qt painter draws pictures from their own pixels: what it paints must stay what a whole
// converted copy of the picture painted, holes (kNoColor) showing what lies under them.

#include <gtest/gtest.h>

#include <QPainter>

#include "platform/form.h"
#include "platform/image_box.h"
#include "platform/picture_box.h"
#include "platform/qt/control_painter.h"
#include "platform/qt/qt_conversions.h"

namespace glint::platform::qt {
namespace {

constexpr QRgb kUnder = 0xFF204060u;

// The whole picture converted, as the painter once kept it for every control.
QImage wholeCopy(const Image& picture) {
    QImage image(picture.width(), picture.height(), QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Rgb c = picture.pixel(x, y);
            image.setPixel(x, y, c == kNoColor ? 0u : (c | 0xFF000000u));
        }
    }
    return image;
}

// A picture of graded colours with holes: a stripe, a block and single pixels.
Image withHoles(int width, int height) {
    Image picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool hole = x == 5 || (x > 20 && x < 26 && y > 8 && y < 14) || (x * y) % 37 == 3;
            picture.setPixel(x, y, hole ? kNoColor : rgb(x * 6, y * 8, 255 - x - y));
        }
    }
    return picture;
}

struct QtControlPainter : ::testing::Test {
    Form form{"Form", "painter test"};
    PictureBox box{"box"};
    ImageBox image{"image"};
    Image picture = withHoles(40, 30);

    void SetUp() override {
        box.setPicture(picture);
        box.setPixelRect({5, 7, 32, 24});  // inside kInner, smaller than the picture: cut off
        image.setPicture(picture);
        image.setPixelRect(
            {kStretched.x(), kStretched.y(), kStretched.width(), kStretched.height()});
        for (Control* control : {static_cast<Control*>(&box), static_cast<Control*>(&image)}) {
            control->setVisible(true);
            form.addControl(*control);
        }
    }

    QImage painted(QImage::Format format, const QRegion& region) {
        QImage target(100, 70, format);
        target.fill(kUnder);
        QPainter painter(&target);
        painter.setClipRegion(region);
        ControlPainter().paint(painter, form, region);
        return target.convertToFormat(QImage::Format_ARGB32);
    }

    // The box's inside and the image, painted from whole copies as the painter once did.
    static constexpr QRect kInner{7, 9, 28, 20};
    static constexpr QRect kStretched{60, 10, 23, 47};
    QImage before() const {
        QImage target(100, 70, QImage::Format_RGB32);
        target.fill(kUnder);
        QPainter painter(&target);
        painter.setClipRect(kInner);
        painter.drawImage(kInner.topLeft(), wholeCopy(picture));
        painter.setClipping(false);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(kStretched, wholeCopy(picture));
        painter.end();
        return target.convertToFormat(QImage::Format_ARGB32);
    }
};

// On an RGB32 target, and on the premultiplied one a window's backing store is on X11.
TEST_F(QtControlPainter, PicturesWithHolesPaintExactlyAsTheirWholeCopiesDid) {
    const QImage then = before();
    for (const auto format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
        const QImage now = painted(format, QRegion(0, 0, 100, 70));
        for (const QRect& drawn : {kInner, kStretched}) {
            for (int y = drawn.top(); y <= drawn.bottom(); ++y) {
                for (int x = drawn.left(); x <= drawn.right(); ++x) {
                    ASSERT_EQ(now.pixel(x, y), then.pixel(x, y)) << x << "," << y << " " << format;
                }
            }
        }
        // The holes show what lies under them.
        EXPECT_EQ(now.pixel(7 + 5, 9 + 1), kUnder);
        EXPECT_EQ(now.pixel(7 + 22, 9 + 10), kUnder);
        EXPECT_EQ(now.pixel(7 + 4, 9 + 1), 0xFF000000u | picture.pixel(4, 1));
    }
}

// A paint of a small region converts only that part of a picture with holes; a picture without
// them is drawn from its own pixels, on a premultiplied target with its alpha mended, or converted
// on a target of another format. Each paints there what a paint of the whole window paints.
TEST_F(QtControlPainter, APartOfThePictureBoxPaintsWhatTheWholePaintsThere) {
    const QRegion part(QRect(12, 10, 9, 6));
    for (const bool holes : {true, false}) {
        if (!holes) {
            picture = Image(40, 30);
            for (int i = 0; i < 1200; ++i)
                picture.pixels()[i] = static_cast<Rgb>(i * 2654435761u) >> 8;
            box.setPicture(picture);
            box.setPixelRect({5, 7, 32, 24});
        }
        const QImage whole = painted(QImage::Format_RGB32, QRegion(0, 0, 100, 70));
        for (const auto format :
             {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied, QImage::Format_ARGB32}) {
            const QImage some = painted(format, part);
            for (const QRect& rect : part) {
                for (int y = rect.top(); y <= rect.bottom(); ++y) {
                    for (int x = rect.left(); x <= rect.right(); ++x) {
                        ASSERT_EQ(some.pixel(x, y), whole.pixel(x, y))
                            << x << "," << y << " holes " << holes << " format " << format;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace glint::platform::qt
