#include "platform/qt/control_painter.h"

#include <QPainter>
#include <QString>

namespace glint::platform::qt {
namespace {

QColor toQColor(Rgb color) {
    return QColor::fromRgb(static_cast<QRgb>(color | 0xFF000000u));
}

QRect toQRect(const Rect& r) {
    return {r.x, r.y, r.width, r.height};
}

QImage toQImage(const Image& picture) {
    QImage image(picture.width(), picture.height(), QImage::Format_RGB32);
    const Rgb* from = picture.pixels().data();
    for (int y = 0; y < picture.height(); ++y) {
        auto* to = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) to[x] = *from++ | 0xFF000000u;
    }
    return image;
}

}  // namespace

void ControlPainter::paint(QPainter& painter, const Form& form, const QRegion& region) {
    for (const Control* control : form.controls()) {
        const auto* label = dynamic_cast<const Label*>(control);
        if (label && label->visible() && region.intersects(toQRect(label->pixelRect()))) {
            paintLabel(painter, *label, form.backColor());
        }
    }
    for (const Control* control : form.controls()) {
        const auto* box = dynamic_cast<const PictureBox*>(control);
        if (box && box->visible() && region.intersects(toQRect(box->pixelRect()))) {
            paintPictureBox(painter, *box);
        }
    }
}

void ControlPainter::paintLabel(QPainter& painter, const Label& label, Rgb windowColor) const {
    const QRect rect = toQRect(label.pixelRect());
    // The label model has no colour of its own behind the text; an opaque one shows its window's.
    if (!label.transparent()) painter.fillRect(rect, toQColor(windowColor));
    painter.setPen(toQColor(label.foreColor()));
    painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     QString::fromStdString(label.displayCaption()));
}

void ControlPainter::paintPictureBox(QPainter& painter, const PictureBox& box) {
    const QRect r = toQRect(box.pixelRect());
    const int border = box.borderPixels();
    if (border > 0) paintSunkenBorder(painter, r);

    const QRect inner(r.x() + border, r.y() + border, box.scaleWidth(), box.scaleHeight());
    if (inner.isEmpty()) return;
    const Image& picture = box.picture();
    if (picture.width() < inner.width() || picture.height() < inner.height()) {
        painter.fillRect(inner, toQColor(kBoxBackground));
    }
    if (picture.isNull()) return;
    painter.save();
    painter.setClipRect(inner, Qt::IntersectClip);
    painter.drawImage(inner.topLeft(), imageOf(box));
    painter.restore();
}

void ControlPainter::paintSunkenBorder(QPainter& painter, const QRect& r) {
    const int x = r.x();
    const int y = r.y();
    const int w = r.width();
    const int h = r.height();
    // Each ring's bottom-right lines are drawn last, so they own the two shared corners.
    painter.fillRect(x, y, w, 1, toQColor(kOuterShadow));
    painter.fillRect(x, y, 1, h, toQColor(kOuterShadow));
    painter.fillRect(x, y + h - 1, w, 1, toQColor(kOuterLight));
    painter.fillRect(x + w - 1, y, 1, h, toQColor(kOuterLight));
    painter.fillRect(x + 1, y + 1, w - 2, 1, toQColor(kInnerShadow));
    painter.fillRect(x + 1, y + 1, 1, h - 2, toQColor(kInnerShadow));
    painter.fillRect(x + 1, y + h - 2, w - 2, 1, toQColor(kInnerLight));
    painter.fillRect(x + w - 2, y + 1, 1, h - 2, toQColor(kInnerLight));
}

const QImage& ControlPainter::imageOf(const PictureBox& box) {
    const Image& picture = box.picture();
    Cached& cached = m_pictures[&box];
    if (cached.pixels != picture.pixels().data() || cached.width != picture.width() ||
        cached.height != picture.height()) {
        cached = {picture.pixels().data(), picture.width(), picture.height(), toQImage(picture)};
    }
    return cached.image;
}

}  // namespace glint::platform::qt
