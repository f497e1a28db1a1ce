#include "icon_painter.h"

#include <QPainter>
#include <QPainterPath>

#include "glyphs.h"

namespace glint::assets {
namespace {

constexpr int kSide = 32;

QImage transparentSquare() {
    QImage picture(kSide, kSide, QImage::Format_ARGB32);
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

QImage IconPainter::windowIcon() const {
    QImage picture = transparentSquare();
    QPainter painter(&picture);
    paintAppGlyph(painter, QRectF(0, 0, kSide, kSide));
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

}  // namespace glint::assets
