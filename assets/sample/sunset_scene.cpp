#include <cmath>

#include "assets/sample/paint_kit.h"
#include "assets/sample/scenes.h"

namespace glint::assets {

namespace {

void paintBirds(QPainter& painter, double w, double h, SeededRandom& random) {
    painter.setPen(
        QPen(QColor(40, 20, 45, 200), std::max(1.2, w * 0.0018), Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 5; ++i) {
        const QPointF at(w * random.between(0.18, 0.42), h * random.between(0.16, 0.32));
        const double span = w * random.between(0.008, 0.016);
        QPainterPath bird;
        bird.moveTo(at.x() - span, at.y() - span * 0.35);
        bird.quadTo(at.x() - span * 0.5, at.y() - span * 0.6, at.x(), at.y());
        bird.quadTo(at.x() + span * 0.5, at.y() - span * 0.6, at.x() + span, at.y() - span * 0.4);
        painter.drawPath(bird);
    }
}

void paintSunPath(QPainter& painter, double w, double h, double horizon, double sunX,
                  SeededRandom& random) {
    painter.setPen(Qt::NoPen);
    // Glints on the wave crests: narrow near the horizon, wider and sparser towards the viewer.
    for (double y = horizon + 1; y < h; y += 1.0 + (y - horizon) * 0.025) {
        const double depth = (y - horizon) / (h - horizon);
        const int count = 1 + random.below(3);
        for (int i = 0; i < count; ++i) {
            const double spread = w * (0.03 + depth * 0.16);
            const double x = sunX + random.between(-1, 1) * spread * random.unit();
            const double length = w * random.between(0.01, 0.05) * (0.4 + depth);
            const int alpha = static_cast<int>(220 * (1.0 - depth * 0.75) * random.between(0.5, 1));
            painter.setBrush(QColor(255, 214, 140, alpha));
            painter.drawRect(QRectF(x - length / 2, y, length, 1.0 + depth * 2.5));
        }
    }
    // Darker troughs across the whole sea give it its swell.
    for (double y = horizon + 2; y < h; y += 2.0 + (y - horizon) * 0.05) {
        const double depth = (y - horizon) / (h - horizon);
        for (int i = 0; i < 6; ++i) {
            const double x = w * random.unit();
            const double length = w * random.between(0.02, 0.1) * (0.3 + depth);
            painter.setBrush(QColor(25, 15, 50, static_cast<int>(60 + 50 * depth)));
            painter.drawRect(QRectF(x, y, length, 1.0 + depth * 2));
        }
    }
}

}  // namespace

QImage paintSunsetOverSea(QSize size) {
    QImage image = newCanvas(size);
    SeededRandom random(0x5EA5E7);
    const double w = size.width();
    const double h = size.height();
    const double horizon = h * 0.6;
    const double sunX = w * 0.64;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    fillVertical(painter, QRectF(0, 0, w, horizon),
                 {{0.0, QColor(0x22, 0x1f, 0x55)},
                  {0.35, QColor(0x5e, 0x2f, 0x75)},
                  {0.62, QColor(0xc2, 0x4b, 0x6e)},
                  {0.84, QColor(0xf2, 0x85, 0x5e)},
                  {1.0, QColor(0xff, 0xcf, 0x7a)}});
    softEllipse(painter, QRectF(sunX - w * 0.55, horizon - h * 0.45, w * 1.1, h * 0.9),
                QColor(255, 190, 110, 150));
    softEllipse(painter, QRectF(sunX - w * 0.16, horizon - h * 0.16, w * 0.32, h * 0.32),
                QColor(255, 235, 170, 200));

    // Long thin clouds, lit pink from below, purple high up.
    for (int i = 0; i < 11; ++i) {
        const double y = h * random.between(0.1, 0.5);
        const double lit = y / horizon;
        const QColor colour = QColor::fromRgbF(0.55 + 0.45 * lit, 0.3 + 0.35 * lit * lit,
                                               0.5 - 0.1 * lit, random.between(0.35, 0.6));
        const double length = w * random.between(0.18, 0.45);
        const double x = w * random.between(-0.1, 0.95) - length / 2;
        softEllipse(painter, QRectF(x, y, length, h * random.between(0.012, 0.035)), colour);
    }

    const double sunRadius = h * 0.075;
    QRadialGradient disc(QPointF(sunX, horizon), sunRadius);
    disc.setColorAt(0.0, QColor(255, 250, 225));
    disc.setColorAt(0.8, QColor(255, 220, 140));
    disc.setColorAt(1.0, QColor(255, 180, 90));
    painter.setPen(Qt::NoPen);
    painter.setBrush(disc);
    painter.drawEllipse(QPointF(sunX, horizon + sunRadius * 0.25), sunRadius, sunRadius);

    fillVertical(painter, QRectF(0, horizon, w, h - horizon),
                 {{0.0, QColor(0xd9, 0x7a, 0x6c)},
                  {0.25, QColor(0x7a, 0x40, 0x6e)},
                  {1.0, QColor(0x1e, 0x1a, 0x3f)}});
    paintSunPath(painter, w, h, horizon, sunX, random);

    // A headland on the left and a sail far out.
    const auto land = ridgeLine(
        -w * 0.02, w * 0.3,
        {horizon - h * 0.06, horizon - h * 0.09, horizon - h * 0.04, horizon + 1}, 0.12, 6, random);
    painter.setBrush(QColor(0x2c, 0x1c, 0x3c));
    painter.drawPath(areaBelow(land, horizon + 2));
    const double boatX = w * 0.42;
    const double boatY = horizon + h * 0.03;
    QPainterPath boat;
    boat.moveTo(boatX - w * 0.02, boatY);
    boat.lineTo(boatX + w * 0.022, boatY);
    boat.lineTo(boatX + w * 0.016, boatY + h * 0.008);
    boat.lineTo(boatX - w * 0.014, boatY + h * 0.008);
    boat.closeSubpath();
    boat.moveTo(boatX, boatY - h * 0.001);
    boat.lineTo(boatX, boatY - h * 0.065);
    boat.lineTo(boatX + w * 0.018, boatY - h * 0.004);
    boat.closeSubpath();
    boat.moveTo(boatX - w * 0.002, boatY - h * 0.055);
    boat.lineTo(boatX - w * 0.002, boatY - h * 0.004);
    boat.lineTo(boatX - w * 0.016, boatY - h * 0.004);
    boat.closeSubpath();
    painter.setBrush(QColor(0x30, 0x1a, 0x38));
    painter.drawPath(boat);

    paintBirds(painter, w, h, random);
    painter.end();
    addGrain(image, 0x5EA5E7, 3);
    return image;
}

}  // namespace glint::assets
