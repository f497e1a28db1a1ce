#include "glyphs.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace glint::assets {
namespace {

// The largest square centred in the box.
QRectF squareIn(const QRectF& box) {
    const double side = std::min(box.width(), box.height());
    return {box.center().x() - side / 2, box.center().y() - side / 2, side, side};
}

QPen roundPen(const QColor& colour, double width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A sun and two peaks inside a frame: the photograph shown by the mark and the picture icon.
void paintLandscape(QPainter& painter, const QRectF& frame, const QColor& hills,
                    const QColor& sun) {
    const double w = frame.width();
    const double h = frame.height();
    QPainterPath peaks;
    peaks.moveTo(frame.left(), frame.bottom());
    peaks.lineTo(frame.left() + w * 0.36, frame.top() + h * 0.42);
    peaks.lineTo(frame.left() + w * 0.56, frame.top() + h * 0.70);
    peaks.lineTo(frame.left() + w * 0.72, frame.top() + h * 0.55);
    peaks.lineTo(frame.right(), frame.bottom());
    peaks.closeSubpath();
    painter.fillPath(peaks, hills);
    painter.setPen(Qt::NoPen);
    painter.setBrush(sun);
    const double r = std::max(1.0, w * 0.11);
    painter.drawEllipse(QPointF(frame.left() + w * 0.74, frame.top() + h * 0.28), r, r);
}

}  // namespace

void paintAppGlyph(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF s = squareIn(box);
    const double u = s.width() / 32.0;

    QLinearGradient tile(s.topLeft(), s.bottomRight());
    tile.setColorAt(0, QColor(0x3d, 0xd3, 0xdc));
    tile.setColorAt(1, QColor(0x15, 0x4f, 0x8a));
    painter.setPen(QPen(QColor(0xc8, 0xf4, 0xf8, 150), std::max(1.0, u)));
    painter.setBrush(tile);
    const QRectF tileRect = s.adjusted(u, u, -u, -u);
    painter.drawRoundedRect(tileRect, 7 * u, 7 * u);

    // The photograph: a white mount with a night-blue picture.
    const QRectF mount(s.left() + 6 * u, s.top() + 9 * u, 20 * u, 16 * u);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf6, 0xfb, 0xfd));
    painter.drawRoundedRect(mount, 1.5 * u, 1.5 * u);
    const QRectF picture = mount.adjusted(2 * u, 2 * u, -2 * u, -2 * u);
    QLinearGradient sky(picture.topLeft(), picture.bottomLeft());
    sky.setColorAt(0, QColor(0x1c, 0x3f, 0x6e));
    sky.setColorAt(1, QColor(0x3f, 0x8c, 0xb0));
    painter.fillRect(picture, sky);
    paintLandscape(painter, picture, QColor(0x10, 0x2c, 0x44), QColor(0xff, 0xd6, 0x5c));

    paintSparkle(painter, QPointF(s.left() + 25 * u, s.top() + 8 * u), 6 * u,
                 QColor(0xff, 0xf3, 0xc4));
    painter.restore();
}

void paintPictureIcon(QPainter& painter, const QRectF& box, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF s = squareIn(box);
    const double u = s.width() / 24.0;
    const QRectF frame(s.left() + 2.5 * u, s.top() + 4.5 * u, 19 * u, 15 * u);
    painter.setPen(roundPen(colour, 1.6 * u));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(frame, 2 * u, 2 * u);
    QColor hills = colour;
    hills.setAlpha(200);
    paintLandscape(painter, frame.adjusted(2 * u, 2 * u, -2 * u, -1.5 * u), hills, colour);
    painter.restore();
}

void paintMusicIcon(QPainter& painter, const QRectF& box, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF s = squareIn(box);
    const double u = s.width() / 24.0;
    const QPointF left(s.left() + 6 * u, s.top() + 18 * u);
    const QPointF right(s.left() + 17 * u, s.top() + 16 * u);
    // Two heads, tilted like engraved notes.
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (const QPointF& head : {left, right}) {
        painter.save();
        painter.translate(head);
        painter.rotate(-20);
        painter.drawEllipse(QPointF(0, 0), 3.4 * u, 2.5 * u);
        painter.restore();
    }
    // Stems and the double beam joining them.
    painter.setPen(roundPen(colour, 1.7 * u));
    const double stemLeft = left.x() + 3.0 * u;
    const double stemRight = right.x() + 3.0 * u;
    painter.drawLine(QPointF(stemLeft, left.y() - 0.5 * u), QPointF(stemLeft, s.top() + 6 * u));
    painter.drawLine(QPointF(stemRight, right.y() - 0.5 * u), QPointF(stemRight, s.top() + 4 * u));
    QPainterPath beam;
    beam.moveTo(stemLeft, s.top() + 6 * u);
    beam.lineTo(stemRight, s.top() + 4 * u);
    beam.lineTo(stemRight, s.top() + 7 * u);
    beam.lineTo(stemLeft, s.top() + 9 * u);
    beam.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.fillPath(beam, colour);
    painter.restore();
}

void paintGearIcon(QPainter& painter, const QRectF& box, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF s = squareIn(box);
    const double u = s.width() / 24.0;
    const QPointF c = s.center();
    const int teeth = 8;
    const double outer = 10.5 * u;
    const double inner = 7.8 * u;
    QPainterPath gear;
    for (int i = 0; i < teeth * 4; ++i) {
        // Each tooth: rise, top, fall, root; angles in quarter steps of a tooth's pitch.
        const double angle = (i - 0.5) * std::numbers::pi * 2 / (teeth * 4);
        const double radius = (i % 4 == 1 || i % 4 == 2) ? outer : inner;
        const QPointF p(c.x() + radius * std::cos(angle), c.y() + radius * std::sin(angle));
        if (i == 0) {
            gear.moveTo(p);
        } else {
            gear.lineTo(p);
        }
    }
    gear.closeSubpath();
    gear.addEllipse(c, 3.6 * u, 3.6 * u);
    gear.setFillRule(Qt::OddEvenFill);
    painter.fillPath(gear, colour);
    painter.restore();
}

void paintInstallIcon(QPainter& painter, const QRectF& box, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF s = squareIn(box);
    const double u = s.width() / 24.0;
    // A tray with an arrow coming down into it.
    painter.setPen(roundPen(colour, 1.8 * u));
    painter.setBrush(Qt::NoBrush);
    QPainterPath tray;
    tray.moveTo(s.left() + 3 * u, s.top() + 14 * u);
    tray.lineTo(s.left() + 3 * u, s.top() + 20.5 * u);
    tray.lineTo(s.left() + 21 * u, s.top() + 20.5 * u);
    tray.lineTo(s.left() + 21 * u, s.top() + 14 * u);
    painter.drawPath(tray);
    painter.drawLine(QPointF(s.left() + 12 * u, s.top() + 2.5 * u),
                     QPointF(s.left() + 12 * u, s.top() + 15 * u));
    QPainterPath head;
    head.moveTo(s.left() + 7 * u, s.top() + 10.5 * u);
    head.lineTo(s.left() + 12 * u, s.top() + 16 * u);
    head.lineTo(s.left() + 17 * u, s.top() + 10.5 * u);
    painter.drawPath(head);
    painter.restore();
}

QRectF titleGlyphBox(const QRectF& button) {
    return {button.left() + 3.5, button.top() + 1.5, 8, 8};
}

void paintCrossGlyph(QPainter& painter, const QRectF& box, const QColor& colour, double width) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    const QRectF s = squareIn(box);
    painter.drawLine(s.topLeft(), s.bottomRight());
    painter.drawLine(s.topRight(), s.bottomLeft());
    painter.restore();
}

void paintMinusGlyph(QPainter& painter, const QRectF& box, const QColor& colour, double width) {
    painter.save();
    const QRectF s = squareIn(box);
    painter.fillRect(QRectF(s.left(), s.center().y() - width / 2, s.width(), width), colour);
    painter.restore();
}

void paintDownArrow(QPainter& painter, const QRectF& box, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF s = squareIn(box);
    const double u = s.width() / 12.0;
    QPainterPath arrow;
    arrow.moveTo(s.left() + 4 * u, s.top() + 1 * u);
    arrow.lineTo(s.left() + 8 * u, s.top() + 1 * u);
    arrow.lineTo(s.left() + 8 * u, s.top() + 5.5 * u);
    arrow.lineTo(s.left() + 11 * u, s.top() + 5.5 * u);
    arrow.lineTo(s.left() + 6 * u, s.top() + 11 * u);
    arrow.lineTo(s.left() + 1 * u, s.top() + 5.5 * u);
    arrow.lineTo(s.left() + 4 * u, s.top() + 5.5 * u);
    arrow.closeSubpath();
    painter.fillPath(arrow, colour);
    painter.restore();
}

void paintSparkle(QPainter& painter, QPointF centre, double radius, const QColor& colour) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient halo(centre, radius);
    QColor glow = colour;
    glow.setAlpha(90);
    halo.setColorAt(0, glow);
    glow.setAlpha(0);
    halo.setColorAt(1, glow);
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawEllipse(centre, radius, radius);

    const double waist = radius * 0.16;
    QPainterPath star;
    star.moveTo(centre.x(), centre.y() - radius);
    star.quadTo(centre.x() + waist, centre.y() - waist, centre.x() + radius * 0.7, centre.y());
    star.quadTo(centre.x() + waist, centre.y() + waist, centre.x(), centre.y() + radius);
    star.quadTo(centre.x() - waist, centre.y() + waist, centre.x() - radius * 0.7, centre.y());
    star.quadTo(centre.x() - waist, centre.y() - waist, centre.x(), centre.y() - radius);
    painter.fillPath(star, colour);
    painter.restore();
}

}  // namespace glint::assets
