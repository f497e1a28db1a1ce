#include <algorithm>
#include <cmath>

#include "assets/sample/paint_kit.h"
#include "assets/sample/scenes.h"

namespace glint::assets {

namespace {

void paintMilkyWay(QPainter& painter, double w, double h, SeededRandom& random) {
    // A band from the lower left to the upper right, cloudy light with stars crowded in it.
    const QPointF from(-w * 0.1, h * 0.75);
    const QPointF to(w * 1.1, -h * 0.05);
    for (int i = 0; i < 140; ++i) {
        const double t = random.unit();
        const double off = random.between(-1, 1) * h * 0.09;
        const QPointF c(from.x() + (to.x() - from.x()) * t + off * 0.55,
                        from.y() + (to.y() - from.y()) * t + off);
        const double r = h * random.between(0.03, 0.09);
        softEllipse(painter, QRectF(c.x() - r, c.y() - r * 0.7, r * 2, r * 1.4),
                    QColor(190, 185, 255, 10 + random.below(10)));
    }
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 1400; ++i) {
        const double t = random.unit();
        const double off = (random.unit() + random.unit() - 1) * h * 0.09;
        const QPointF c(from.x() + (to.x() - from.x()) * t + off * 0.55,
                        from.y() + (to.y() - from.y()) * t + off);
        painter.setBrush(QColor(230, 230, 255, 40 + random.below(110)));
        painter.drawEllipse(c, 0.45, 0.45);
    }
}

void paintStars(QPainter& painter, double w, double horizon, SeededRandom& random) {
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 520; ++i) {
        const QPointF c(random.unit() * w, random.unit() * horizon);
        const double b = std::pow(random.unit(), 3.0);
        // Stars vary a little in colour: bluish white to warm white.
        const int warm = random.below(40);
        painter.setBrush(QColor(215 + warm, 220 + warm / 2, 255 - warm, 90 + int(165 * b)));
        painter.drawEllipse(c, 0.5 + b * 1.1, 0.5 + b * 1.1);
        if (b > 0.75) {
            softEllipse(painter, QRectF(c.x() - 7, c.y() - 7, 14, 14), QColor(200, 215, 255, 90));
            painter.setBrush(QColor(235, 240, 255, 120));
            painter.drawRect(QRectF(c.x() - 6, c.y() - 0.4, 12, 0.8));
            painter.drawRect(QRectF(c.x() - 0.4, c.y() - 6, 0.8, 12));
        }
    }
}

void paintMoon(QPainter& painter, QPointF centre, double r, SeededRandom& random) {
    softEllipse(painter, QRectF(centre.x() - r * 5, centre.y() - r * 5, r * 10, r * 10),
                QColor(210, 220, 255, 70));
    QPainterPath disc;
    disc.addEllipse(centre, r, r);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(38, 48, 84));  // earthshine on the unlit part
    painter.drawPath(disc);
    QPainterPath shadow;
    shadow.addEllipse(QPointF(centre.x() - r * 0.55, centre.y() - r * 0.2), r * 0.95, r * 0.95);
    const QPainterPath crescent = disc.subtracted(shadow);
    QRadialGradient light(QPointF(centre.x() + r * 0.4, centre.y()), r * 1.2);
    light.setColorAt(0, QColor(0xfb, 0xf6, 0xe4));
    light.setColorAt(1, QColor(0xd8, 0xd2, 0xbc));
    painter.setBrush(light);
    painter.drawPath(crescent);
    painter.save();
    painter.setClipPath(crescent);
    for (int i = 0; i < 7; ++i) {
        const QPointF c(centre.x() + random.between(0.1, 0.9) * r,
                        centre.y() + random.between(-0.7, 0.7) * r);
        const double cr = r * random.between(0.06, 0.16);
        softEllipse(painter, QRectF(c.x() - cr, c.y() - cr, cr * 2, cr * 2),
                    QColor(150, 145, 130, 110));
    }
    painter.restore();
}

void paintCabin(QPainter& painter, QPointF foot, double size) {
    softEllipse(painter, QRectF(foot.x() - size * 1.5, foot.y() - size * 1.6, size * 3, size * 2.2),
                QColor(255, 180, 80, 60));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x08, 0x0b, 0x16));
    painter.drawRect(QRectF(foot.x() - size * 0.5, foot.y() - size * 0.6, size, size * 0.6));
    QPainterPath roof;
    roof.moveTo(foot.x() - size * 0.65, foot.y() - size * 0.55);
    roof.lineTo(foot.x(), foot.y() - size * 1.05);
    roof.lineTo(foot.x() + size * 0.65, foot.y() - size * 0.55);
    roof.closeSubpath();
    painter.drawPath(roof);
    painter.drawRect(
        QRectF(foot.x() + size * 0.2, foot.y() - size * 1.05, size * 0.12, size * 0.3));
    painter.setBrush(QColor(255, 200, 110));
    painter.drawRect(
        QRectF(foot.x() - size * 0.3, foot.y() - size * 0.42, size * 0.22, size * 0.2));
    painter.drawRect(
        QRectF(foot.x() + size * 0.08, foot.y() - size * 0.42, size * 0.22, size * 0.2));
}

}  // namespace

QImage paintStarryNight(QSize size) {
    QImage image = newCanvas(size);
    SeededRandom random(0x0057A125);
    const double w = size.width();
    const double h = size.height();
    const double horizon = h * 0.8;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    // The sky runs on below the horizon: the hills' ridge dips beneath it in places.
    fillVertical(painter, QRectF(0, 0, w, h),
                 {{0.0, QColor(0x04, 0x07, 0x1a)},
                  {0.52, QColor(0x0e, 0x1c, 0x45)},
                  {0.8, QColor(0x2a, 0x3d, 0x72)},
                  {1.0, QColor(0x2a, 0x3d, 0x72)}});
    paintMilkyWay(painter, w, h, random);
    paintStars(painter, w, horizon, random);
    paintMoon(painter, QPointF(w * 0.78, h * 0.2), h * 0.065, random);

    // A falling star.
    QLinearGradient trail(QPointF(w * 0.18, h * 0.12), QPointF(w * 0.3, h * 0.2));
    trail.setColorAt(0, QColor(255, 255, 255, 0));
    trail.setColorAt(1, QColor(255, 255, 255, 220));
    painter.setPen(QPen(QBrush(trail), 1.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(w * 0.18, h * 0.12), QPointF(w * 0.3, h * 0.2));

    const auto hills =
        ridgeLine(-w * 0.02, w * 1.02, {h * 0.8, h * 0.74, h * 0.79, h * 0.83, h * 0.76, h * 0.72},
                  0.06, 6, random);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x0a, 0x0f, 0x22));
    painter.drawPath(areaBelow(hills, h + 1));
    for (double x = w * 0.6; x < w * 1.02; x += w * random.between(0.012, 0.03)) {
        const auto it = std::lower_bound(hills.begin(), hills.end(), x,
                                         [](const QPointF& p, double v) { return p.x() < v; });
        const double ground = it == hills.end() ? hills.back().y() : it->y();
        drawFir(painter, QPointF(x, ground + 3), h * random.between(0.07, 0.16),
                QColor(0x06, 0x09, 0x16));
    }
    paintCabin(painter, QPointF(w * 0.3, h * 0.86), h * 0.08);
    painter.setBrush(QColor(0x05, 0x07, 0x12));
    const auto front =
        ridgeLine(-w * 0.02, w * 1.02, {h * 0.9, h * 0.88, h * 0.93, h * 0.91}, 0.04, 6, random);
    painter.drawPath(areaBelow(front, h + 1));
    painter.end();
    addGrain(image, 0x0057A125, 2);
    return image;
}

}  // namespace glint::assets
