#include <algorithm>
#include <cmath>

#include "assets/sample/paint_kit.h"
#include "assets/sample/scenes.h"

namespace glint::assets {

namespace {

struct Row {
    double minHeight;  // fractions of the picture's height
    double maxHeight;
    QColor facade;
    double lit;  // the share of windows with a light on
    double windowSize;
};

void paintWindows(QPainter& painter, const QRectF& block, const Row& row, SeededRandom& random) {
    const double cell = row.windowSize;
    const QColor off = row.facade.lighter(125);
    for (double y = block.top() + cell; y + cell < block.bottom(); y += cell * 1.8) {
        for (double x = block.left() + cell * 0.7; x + cell < block.right(); x += cell * 1.6) {
            if (random.chance(row.lit)) {
                const int warm = random.below(50);
                painter.setBrush(QColor(255, 205 + warm / 2, 120 + warm));
            } else {
                painter.setBrush(off);
            }
            painter.drawRect(QRectF(x, y, cell, cell * 1.1));
        }
    }
}

void paintRow(QPainter& painter, double w, double h, double ground, const Row& row,
              SeededRandom& random) {
    painter.setPen(Qt::NoPen);
    for (double x = -w * 0.02; x < w;) {
        const double width = w * random.between(0.035, 0.085);
        const double height = h * random.between(row.minHeight, row.maxHeight);
        const QRectF block(x, ground - height, width, height);
        painter.setBrush(row.facade);
        painter.drawRect(block);
        const int roof = random.below(5);
        if (roof == 0) {
            // A stepped crown.
            painter.drawRect(
                QRectF(x + width * 0.2, block.top() - h * 0.03, width * 0.6, h * 0.03));
            painter.drawRect(
                QRectF(x + width * 0.35, block.top() - h * 0.05, width * 0.3, h * 0.02));
        } else if (roof == 1) {
            // A mast with its red warning light.
            painter.drawRect(QRectF(x + width * 0.48, block.top() - h * 0.07, 1.5, h * 0.07));
            softEllipse(painter, QRectF(x + width * 0.48 - 5, block.top() - h * 0.07 - 5, 11, 11),
                        QColor(255, 60, 50, 200));
            painter.setBrush(row.facade);
        } else if (roof == 2) {
            QPainterPath gable;
            gable.moveTo(block.topLeft());
            gable.lineTo(x + width / 2, block.top() - width * 0.35);
            gable.lineTo(block.topRight());
            gable.closeSubpath();
            painter.drawPath(gable);
        }
        paintWindows(painter, block, row, random);
        x += width + w * random.between(-0.01, 0.012);
    }
}

void paintTower(QPainter& painter, double x, double ground, double h, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    QPainterPath shaft;
    shaft.moveTo(x - h * 0.018, ground);
    shaft.lineTo(x - h * 0.007, ground - h * 0.42);
    shaft.lineTo(x + h * 0.007, ground - h * 0.42);
    shaft.lineTo(x + h * 0.018, ground);
    shaft.closeSubpath();
    painter.drawPath(shaft);
    painter.drawEllipse(QPointF(x, ground - h * 0.44), h * 0.03, h * 0.018);
    painter.drawRect(QRectF(x - 1.2, ground - h * 0.56, 2.4, h * 0.12));
    painter.setBrush(QColor(255, 215, 150));
    painter.drawRect(QRectF(x - h * 0.024, ground - h * 0.443, h * 0.048, h * 0.005));
    softEllipse(painter, QRectF(x - 6, ground - h * 0.56 - 6, 12, 12), QColor(255, 70, 60, 220));
}

}  // namespace

QImage paintCityAtDusk(QSize size) {
    QImage image = newCanvas(size);
    SeededRandom random(0xC17D05C);
    const double w = size.width();
    const double h = size.height();
    const double shore = h * 0.7;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    fillVertical(painter, QRectF(0, 0, w, shore),
                 {{0.0, QColor(0x1a, 0x22, 0x45)},
                  {0.4, QColor(0x3c, 0x4e, 0x7a)},
                  {0.72, QColor(0xb8, 0x6a, 0x8a)},
                  {1.0, QColor(0xfa, 0xb3, 0x8c)}});
    softEllipse(painter, QRectF(w * 0.15, shore - h * 0.3, w * 0.6, h * 0.45),
                QColor(255, 190, 140, 120));
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        painter.setBrush(QColor(255, 255, 255, 60 + random.below(140)));
        painter.drawEllipse(QPointF(random.unit() * w, random.unit() * h * 0.3), 0.7, 0.7);
    }
    softEllipse(painter, QRectF(w * 0.05, h * 0.33, w * 0.45, h * 0.035),
                QColor(255, 170, 160, 90));
    softEllipse(painter, QRectF(w * 0.55, h * 0.26, w * 0.4, h * 0.03), QColor(240, 160, 170, 80));

    paintRow(painter, w, h, shore, {0.12, 0.3, QColor(0x6a, 0x55, 0x80), 0.15, h * 0.007}, random);
    paintTower(painter, w * 0.7, shore, h, QColor(0x2a, 0x26, 0x45));
    paintRow(painter, w, h, shore, {0.06, 0.22, QColor(0x1e, 0x1c, 0x33), 0.4, h * 0.01}, random);
    painter.setBrush(QColor(0x14, 0x12, 0x22));
    painter.drawRect(QRectF(0, shore - h * 0.012, w, h * 0.012));
    // Street lamps along the quay.
    for (double x = w * 0.02; x < w; x += w * 0.06) {
        softEllipse(painter, QRectF(x - 6, shore - h * 0.02 - 6, 12, 12),
                    QColor(255, 220, 150, 230));
    }
    painter.end();

    reflectBelow(image, static_cast<int>(shore), QColor(0x1c, 0x22, 0x40), 0.45, random);
    addGrain(image, 0xC17D05C, 3);
    return image;
}

}  // namespace glint::assets
