// The Qt painter draws pictures from their own pixels: what it paints must stay what a whole
// converted copy of the picture painted, holes (kNoColor) showing what lies under them.

#include <gtest/gtest.h>

#include <QPainter>
#include <algorithm>

#include "platform/form.h"
#include "platform/image_box.h"
#include "platform/picture_box.h"
#include "platform/qt/control_painter.h"

namespace glint::platform::qt {
namespace {

constexpr QRgb kUnder = 0xFF204060u;
// A picture box of 32 x 24 whose inside shows the top-left of a 40 x 30 picture, and an image
// that stretches the picture smoothly.
constexpr QRect kInner{7, 9, 28, 20};
constexpr QRect kStretched{60, 10, 23, 47};

// Graded colours with holes (a column, a block, single pixels), or none.
Image graded(bool holes) {
    Image picture(40, 30);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool hole = x == 5 || (x > 20 && x < 26 && y > 8 && y < 14) || (x * y) % 37 == 3;
            picture.setPixel(x, y, holes && hole ? kNoColor : rgb(x * 6, y * 8, 255 - x - y));
        }
    }
    return picture;
}

// The picture's inside and the image drawn by the painter onto a target of the format, where the
// region is painted.
QImage painted(const Image& picture, QImage::Format format, const QRegion& region) {
    Form form{"Form", "painter test"};
    PictureBox box{"box"};
    ImageBox image{"image"};
    box.setPicture(picture);
    box.setPixelRect({kInner.x() - 2, kInner.y() - 2, kInner.width() + 4, kInner.height() + 4});
    image.setPicture(picture);
    image.setPixelRect({kStretched.x(), kStretched.y(), kStretched.width(), kStretched.height()});
    for (Control* control : std::initializer_list<Control*>{&box, &image}) {
        control->setVisible(true);
        form.addControl(*control);
    }
    QImage target(100, 70, format);
    target.fill(kUnder);
    QPainter painter(&target);
    painter.setClipRegion(region);
    ControlPainter().paint(painter, form, region);
    painter.end();
    return target.convertToFormat(QImage::Format_ARGB32);
}

// The same from a whole converted copy, as the painter once drew.
QImage fromWholeCopy(const Image& picture, QImage::Format format) {
    const auto& pixels = picture.pixels();
    const bool holes = std::find(pixels.begin(), pixels.end(), kNoColor) != pixels.end();
    QImage copy(40, 30, holes ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 40; ++x) {
            const Rgb c = picture.pixel(x, y);
            copy.setPixel(x, y, c == kNoColor ? 0u : (c | 0xFF000000u));
        }
    }
    QImage target(100, 70, format);
    target.fill(kUnder);
    QPainter painter(&target);
    painter.setClipRect(kInner);
    painter.drawImage(kInner.topLeft(), copy);
    painter.setClipping(false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(kStretched, copy);
    painter.end();
    return target.convertToFormat(QImage::Format_ARGB32);
}

// With holes and without, on an RGB32 target, on the premultiplied one a window's backing store
// is on X11 (where the picture's own pixels need their alpha mended) and on one they cannot be
// drawn onto; the whole window painted, and a small region, for which only that part of a picture
// with holes is converted.
TEST(QtControlPainter, PicturesPaintExactlyAsTheirWholeCopiesDid) {
    for (const bool holes : {true, false}) {
        const Image picture = graded(holes);
        for (const auto format :
             {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied, QImage::Format_ARGB32}) {
            const QImage then = fromWholeCopy(picture, format);
            for (const QRect& region : {QRect(0, 0, 100, 70), QRect(12, 10, 9, 6)}) {
                const QImage now = painted(picture, format, region);
                for (const QRect& drawn : {kInner & region, kStretched & region}) {
                    for (int y = drawn.top(); y <= drawn.bottom(); ++y) {
                        for (int x = drawn.left(); x <= drawn.right(); ++x) {
                            ASSERT_EQ(now.pixel(x, y), then.pixel(x, y))
                                << x << "," << y << " holes " << holes << " format " << format;
                        }
                    }
                }
            }
        }
        if (holes) {
            const QImage now = painted(picture, QImage::Format_RGB32, QRect(0, 0, 100, 70));
            EXPECT_EQ(now.pixel(kInner.x() + 5, kInner.y() + 1), kUnder);
        }
    }
}

}  // namespace
}  // namespace glint::platform::qt
