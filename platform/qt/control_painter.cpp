#include "platform/qt/control_painter.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPaintEngine>
#include <QPainter>

#include "platform/qt/qt_conversions.h"

namespace glint::platform::qt {
namespace {

constexpr int kWrapFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
// The space between a frame's left edge and its caption, and around the caption's text.
constexpr int kCaptionIndent = 8;
constexpr int kCaptionPadding = 2;

// What the painter draws onto: a window's backing store is an image, ARGB32_Premultiplied on X11
// even for an opaque window (the X server ignores its alpha byte there), where mendAlpha works.
QImage::Format targetFormat(const QPainter& painter) {
    const QPaintEngine* engine = painter.paintEngine();
    const QPaintDevice* device = engine ? engine->paintDevice() : nullptr;
    if (!device || device->devType() != QInternal::Image) return QImage::Format_Invalid;
    return static_cast<const QImage*>(device)->format();
}

// Draws the picture's own pixels into the rectangle, stretched to it when its size differs.
void drawOwnPixels(QPainter& painter, const QRect& rect, const Image& picture) {
    painter.drawImage(rect, pixelsOf(picture));
    mendAlpha(painter, rect);
}

template <typename Kind>
const Kind* visibleIn(const Control* control, const QRegion& region) {
    const auto* kind = dynamic_cast<const Kind*>(control);
    if (!kind || !kind->visible()) return nullptr;
    return region.intersects(ControlPainter::extentOf(*kind)) ? kind : nullptr;
}

}  // namespace

QRect ControlPainter::extentOf(const Control& control) {
    QRect extent = toQRect(control.pixelRect());
    const auto* label = dynamic_cast<const Label*>(&control);
    if (!label || !label->wordWrap() || extent.isEmpty()) return extent;
    const QRect text = QFontMetrics(QGuiApplication::font())
                           .boundingRect(extent.x(), extent.y(), extent.width(), 0x7FFF, kWrapFlags,
                                         displayString(label->caption()));
    extent.setHeight(std::max(extent.height(), text.height()));
    return extent;
}

void ControlPainter::paint(QPainter& painter, const Form& form, const QRegion& region) {
    for (const Control* control : form.controls()) {
        if (const auto* frame = visibleIn<Frame>(control, region)) {
            paintFrame(painter, *frame, form.backColor());
        }
    }
    for (const Control* control : form.controls()) {
        if (const auto* label = visibleIn<Label>(control, region)) {
            paintLabel(painter, *label, form.backColor());
        } else if (const auto* image = visibleIn<ImageBox>(control, region)) {
            paintImageBox(painter, *image);
        }
    }
    for (const Control* control : form.controls()) {
        if (const auto* box = visibleIn<PictureBox>(control, region))
            paintPictureBox(painter, *box, region);
    }
}

void ControlPainter::paintFrame(QPainter& painter, const Frame& frame, Rgb windowColor) const {
    const QRect r = toQRect(frame.pixelRect());
    if (r.width() < 2 || r.height() < 2) return;
    // The top line runs through the middle of the caption's line, with or without a caption.
    const QFontMetrics metrics = painter.fontMetrics();
    const int top = std::min(r.y() + metrics.height() / 2, r.bottom() - 1);
    const int height = r.y() + r.height() - top;
    // An etched line: the light one inside the shadow at the top and left, outside it at the
    // bottom and right. A stroked QRect covers one pixel more than its size each way.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(toQColor(kFrameLight));
    painter.drawRect(QRect(r.x() + 1, top + 1, r.width() - 2, height - 2));
    painter.setPen(toQColor(kFrameShadow));
    painter.drawRect(QRect(r.x(), top, r.width() - 2, height - 2));

    const QString caption = displayString(frame.caption());
    if (caption.isEmpty()) return;
    const int width = std::min(metrics.horizontalAdvance(caption) + 2 * kCaptionPadding,
                               r.width() - 2 * kCaptionIndent);
    const QRect text(r.x() + kCaptionIndent, r.y(), width, metrics.height());
    painter.fillRect(text, toQColor(windowColor));
    painter.setPen(toQColor(kFrameText));
    painter.drawText(text.adjusted(kCaptionPadding, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                     caption);
}

void ControlPainter::paintLabel(QPainter& painter, const Label& label, Rgb windowColor) const {
    const QRect rect = toQRect(label.pixelRect());
    // The label model has no colour of its own behind the text; an opaque one shows its window's.
    if (!label.transparent()) painter.fillRect(rect, toQColor(windowColor));
    painter.setPen(toQColor(label.foreColor()));
    const QString caption = QString::fromStdString(label.displayCaption());
    if (label.wordWrap()) {
        painter.drawText(extentOf(label), kWrapFlags, caption);
    } else {
        painter.drawText(rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, caption);
    }
}

// The picture is stretched to the control's size, proportions not kept.
void ControlPainter::paintImageBox(QPainter& painter, const ImageBox& image) {
    const QRect r = toQRect(image.pixelRect());
    if (image.picture().isNull() || r.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const Image& picture = image.picture();
    // Pictures with holes are our own small built-in ones: those are converted whole.
    if (drawnAsItIs(painter, image, picture)) {
        drawOwnPixels(painter, r, picture);
    } else {
        painter.drawImage(r, toQImage(picture, QRect(0, 0, picture.width(), picture.height())));
    }
    painter.restore();
}

void ControlPainter::paintPictureBox(QPainter& painter, const PictureBox& box,
                                     const QRegion& region) {
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
    if (drawnAsItIs(painter, box, picture)) {
        drawOwnPixels(painter, QRect(inner.topLeft(), QSize(picture.width(), picture.height())),
                      picture);
    } else {
        // Only what is painted is converted: the part of the picture under the region, and a
        // pixel around it that a scaled painter's smoothing reads.
        const QRect part =
            (region.boundingRect() & inner).translated(-inner.topLeft()).adjusted(-1, -1, 1, 1) &
            QRect(0, 0, picture.width(), picture.height());
        if (!part.isEmpty()) {
            painter.drawImage(inner.topLeft() + part.topLeft(), toQImage(picture, part));
        }
    }
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

bool ControlPainter::drawnAsItIs(const QPainter& painter, const Control& control,
                                 const Image& picture) {
    Holes& holes = m_holes[&control];
    const PictureStamp stamp = PictureStamp::of(picture);
    if (!(holes.stamp == stamp)) holes = {stamp, hasNoColor(picture)};
    const QImage::Format target = targetFormat(painter);
    return !holes.any &&
           (target == QImage::Format_RGB32 || target == QImage::Format_ARGB32_Premultiplied);
}

}  // namespace glint::platform::qt
