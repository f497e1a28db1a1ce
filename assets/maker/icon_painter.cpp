#include "icon_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "glyphs.h"

namespace glint::assets {
namespace {

constexpr int kSide = 32;

QImage transparentSquare(int side = kSide) {
    QImage picture(side, side, QImage::Format_ARGB32);
    picture.setDotsPerMeterX(3780);
    picture.setDotsPerMeterY(3780);
    picture.fill(Qt::transparent);
    return picture;
}

QPainterPath roundedBox(double left, double top, double right, double bottom, double radius) {
    QPainterPath path;
    path.addRoundedRect(QRectF(left, top, right - left, bottom - top), radius, radius);
    return path;
}

}  // namespace

QImage IconPainter::windowIcon() const { return appIcon(kSide); }

QImage IconPainter::appIcon(int side) const {
    QImage picture = transparentSquare(side);
    QPainter painter(&picture);
    paintAppGlyph(painter, QRectF(0, 0, side, side));
    return picture;
}

QImage IconPainter::handCursor() const {
    // The finger's centre line is x = 12.5 and its tip's outline crosses row 1, so the hot spot
    // (12, 1) is the topmost opaque pixel of the finger.
    QPainterPath hand = roundedBox(9.5, 1.5, 15.5, 18, 3);
    hand = hand.united(roundedBox(15, 9.5, 20.5, 19, 2.7));
    hand = hand.united(roundedBox(20, 10.5, 25, 20, 2.5));
    hand = hand.united(roundedBox(24.5, 12.5, 29, 21, 2.2));
    QPainterPath palm;
    palm.moveTo(9.5, 15);
    palm.lineTo(29, 17);
    palm.lineTo(29, 22);
    palm.cubicTo(29, 26, 26.5, 28, 25, 30.5);
    palm.lineTo(13.5, 30.5);
    palm.cubicTo(11.5, 28, 9.5, 26, 8, 23.5);
    palm.closeSubpath();
    hand = hand.united(palm);
    // The thumb, lying across to the left.
    QPainterPath thumb = roundedBox(-5.5, -2.6, 3.5, 2.6, 2.6);
    QTransform turn;
    turn.translate(9, 21);
    turn.rotate(48);
    hand = hand.united(turn.map(thumb));
    hand = hand.simplified();

    QImage picture = transparentSquare();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // A soft shadow, so the hand stands out on light and dark pictures alike.
    painter.fillPath(hand.translated(1.2, 1.2), QColor(0, 0, 0, 70));
    painter.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(hand);
    // Creases between the folded fingers.
    painter.setPen(QPen(QColor(0, 0, 0, 200), 1, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(15.5, 12), QPointF(15.5, 15.5));
    painter.drawLine(QPointF(20.5, 13), QPointF(20.5, 16.5));
    painter.drawLine(QPointF(25, 15), QPointF(25, 18));
    return picture;
}

QImage IconPainter::questionBubble() const {
    // The bubble: a rounded box with its tail at the lower left. Its straight edges lie on pixel
    // centres, so the one-pixel outline below covers whole pixels.
    QPainterPath bubble = roundedBox(1.5, 2.5, 29.5, 24.5, 8);
    QPainterPath tail;
    tail.moveTo(6.5, 22);
    tail.lineTo(14, 22);
    tail.cubicTo(12, 25.5, 9.5, 28.5, 5.5, 30.2);
    tail.cubicTo(5, 30.4, 4.6, 30, 4.9, 29.5);
    tail.cubicTo(6, 27.5, 6.5, 25, 6.5, 22);
    tail.closeSubpath();
    bubble = bubble.united(tail).simplified();

    QImage picture = transparentSquare();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // The colours of the mark's tile (see paintAppGlyph).
    QLinearGradient tile(QPointF(0, 0), QPointF(kSide, kSide));
    tile.setColorAt(0, QColor(0x3d, 0xd3, 0xdc));
    tile.setColorAt(1, QColor(0x15, 0x4f, 0x8a));
    painter.fillPath(bubble, tile);
    // A light rim inside, as on the mark's tile, and a navy edge so that the bubble stays crisp on
    // the light grey of a dialog.
    painter.save();
    painter.setClipPath(bubble);
    painter.strokePath(bubble, QPen(QColor(0xc8, 0xf4, 0xf8, 150), 3));
    painter.restore();
    painter.strokePath(bubble, QPen(QColor(0x12, 0x46, 0x78, 220), 1));

    // The question mark, white with a soft shadow like the help button's: a hook ending in a stem
    // that fills the pixel columns 14 to 16, and its dot.
    const QRectF hook(12, 6, 7, 6.5);
    QPainterPath mark;
    mark.arcMoveTo(hook, 160);
    mark.arcTo(hook, 160, -215);
    mark.quadTo(15.5, 13, 15.5, 15);
    mark.lineTo(15.5, 15.5);
    const auto paintMark = [&](QPointF offset, const QColor& colour) {
        painter.strokePath(mark.translated(offset),
                           QPen(colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(QPointF(15.5, 20) + offset, 1.7, 1.7);
    };
    paintMark(QPointF(0.6, 0.8), QColor(0, 0, 0, 90));
    paintMark(QPointF(0, 0), Qt::white);
    // The mark's sparkle, on the bubble's corner: a new production is being asked about.
    paintSparkle(painter, QPointF(25.5, 6.5), 4.5, QColor(0xff, 0xf3, 0xc4));
    return picture;
}

}  // namespace glint::assets
