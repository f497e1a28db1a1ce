#include <algorithm>
#include <array>
#include <cmath>

#include "assets/sample/paint_kit.h"
#include "assets/sample/scenes.h"

namespace glint::assets {

namespace {

constexpr std::array<QRgb, 7> kLeaves = {0xffd35400, 0xffe67e22, 0xfff39c12, 0xffc0392b,
                                         0xfff1c40f, 0xffa04000, 0xffb8860b};

QColor leafColour(SeededRandom& random, int alpha) {
    QColor c = QColor::fromRgba(kLeaves[random.below(static_cast<int>(kLeaves.size()))]);
    c.setAlpha(alpha);
    return c;
}

void paintBranch(QPainter& painter, QPointF from, double angle, double length, double width,
                 int depth, SeededRandom& random) {
    const QPointF to(from.x() + std::cos(angle) * length, from.y() - std::sin(angle) * length);
    painter.setPen(QPen(QColor(0x3e, 0x2a, 0x1c), width, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(from, to);
    if (depth == 0) return;
    for (int side = -1; side <= 1; side += 2) {
        paintBranch(painter, to, angle + side * random.between(0.3, 0.6),
                    length * random.between(0.6, 0.75), width * 0.6, depth - 1, random);
    }
}

// A tree `height` tall standing on `foot`: a tapering trunk, a few limbs, and a round crown of
// leaves lit from the upper right. `haze` (0 near, 1 far) pales the far trees' leaves.
void paintTree(QPainter& painter, QPointF foot, double height, double haze, SeededRandom& random) {
    const double trunkTop = foot.y() - height * 0.5;
    const double girth = height * 0.045;
    QPainterPath trunk;
    trunk.moveTo(foot.x() - girth * 1.4, foot.y());
    trunk.cubicTo(foot.x() - girth * 0.7, foot.y() - height * 0.1, foot.x() - girth * 0.6,
                  trunkTop + height * 0.1, foot.x() - girth * 0.4, trunkTop);
    trunk.lineTo(foot.x() + girth * 0.4, trunkTop);
    trunk.cubicTo(foot.x() + girth * 0.6, trunkTop + height * 0.1, foot.x() + girth * 0.7,
                  foot.y() - height * 0.1, foot.x() + girth * 1.4, foot.y());
    trunk.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x3e, 0x2a, 0x1c));
    painter.drawPath(trunk);
    const QPointF top(foot.x(), trunkTop + 1);
    paintBranch(painter, top, M_PI / 2 + random.between(-0.5, -0.2), height * 0.22, girth * 0.9, 2,
                random);
    paintBranch(painter, top, M_PI / 2 + random.between(0.2, 0.5), height * 0.22, girth * 0.9, 2,
                random);

    const QPointF crown(foot.x(), foot.y() - height * 0.72);
    const double rx = height * 0.34;
    const double ry = height * 0.28;
    painter.setPen(Qt::NoPen);
    const int alpha = static_cast<int>(235 - haze * 80);
    // Three passes: shade deep inside, the body of the crown, and lit leaves on its sunny side.
    for (int pass = 0; pass < 3; ++pass) {
        const int dabs = pass == 1 ? 260 : 120;
        for (int i = 0; i < dabs; ++i) {
            const double a = random.between(0, 2 * M_PI);
            const double d = std::sqrt(random.unit());
            QPointF c(crown.x() + std::cos(a) * d * rx, crown.y() + std::sin(a) * d * ry);
            if (pass == 2 && (c.x() < crown.x() - rx * 0.2 || c.y() > crown.y() + ry * 0.2))
                continue;
            // Leave gaps near the rim so the limbs show through here and there.
            if (pass == 1 && d > 0.75 && random.chance(0.35)) continue;
            QColor colour = leafColour(random, alpha);
            if (pass == 0) colour = colour.darker(150);
            if (pass == 2) colour = colour.lighter(125);
            painter.setBrush(colour);
            const double r = height * random.between(0.018, 0.04) * (pass == 0 ? 1.6 : 1.0);
            painter.drawEllipse(c, r, r * 0.8);
        }
    }
}

}  // namespace

QImage paintAutumnTrees(QSize size) {
    QImage image = newCanvas(size);
    SeededRandom random(0xA07055);
    const double w = size.width();
    const double h = size.height();
    const double horizon = h * 0.56;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    fillVertical(painter, QRectF(0, 0, w, horizon),
                 {{0.0, QColor(0x7f, 0xb6, 0xe0)},
                  {0.6, QColor(0xc9, 0xdd, 0xe6)},
                  {1.0, QColor(0xf5, 0xe2, 0xbd)}});
    softEllipse(painter, QRectF(w * 0.35, -h * 0.2, w * 1.0, h * 0.6), QColor(255, 240, 200, 170));

    // The far edge of the wood, hazy.
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 260; ++i) {
        const QPointF c(random.unit() * w, horizon - random.unit() * h * 0.08);
        QColor colour = leafColour(random, 110);
        colour = colour.lighter(130);
        painter.setBrush(colour);
        painter.drawEllipse(c, w * 0.03, h * 0.022);
    }

    const QRectF ground(0, horizon, w, h - horizon);
    fillVertical(painter, ground,
                 {{0.0, QColor(0xb5, 0x9a, 0x4a)}, {1.0, QColor(0x6e, 0x5a, 0x22)}});
    QPainterPath path;
    path.moveTo(w * 0.49, horizon);
    path.lineTo(w * 0.53, horizon);
    path.cubicTo(w * 0.58, h * 0.72, w * 0.86, h * 0.86, w * 0.9, h);
    path.lineTo(w * 0.2, h);
    path.cubicTo(w * 0.34, h * 0.86, w * 0.47, h * 0.7, w * 0.49, horizon);
    QLinearGradient dirt(0, horizon, 0, h);
    dirt.setColorAt(0, QColor(0xe0, 0xc8, 0x98));
    dirt.setColorAt(1, QColor(0xa5, 0x80, 0x52));
    painter.setBrush(dirt);
    painter.drawPath(path);

    // Trees along both sides of the path, far ones first; their feet recede to the horizon.
    for (int i = 0; i < 8; ++i) {
        const double nearness = i / 7.0;  // 0 far, 1 near
        const double footY = horizon + h * (0.015 + nearness * nearness * 0.36);
        const bool left = i % 2 == 0;
        const double spread = w * (0.08 + nearness * nearness * 0.42);
        const double x = w * 0.5 + (left ? -spread : spread) + random.between(-0.02, 0.02) * w;
        paintTree(painter, QPointF(x, footY), h * (0.16 + nearness * nearness * 0.62),
                  1.0 - nearness, random);
    }

    // Fallen leaves, larger and fewer nearer the viewer.
    for (int i = 0; i < 1400; ++i) {
        const double t = std::pow(random.unit(), 0.8);
        const QPointF c(random.unit() * w, horizon + h * 0.02 + t * (h - horizon));
        const double r = w * (0.002 + t * 0.01);
        painter.save();
        painter.translate(c);
        painter.rotate(random.between(0, 180));
        painter.setBrush(leafColour(random, 200));
        painter.drawEllipse(QPointF(0, 0), r, r * 0.5);
        painter.restore();
    }

    // Sunbeams slanting through the crowns from the upper right.
    const QPointF sun(w * 0.95, -h * 0.05);
    for (int i = 0; i < 6; ++i) {
        const double a = random.between(1.95, 2.35);
        const double spread = random.between(0.02, 0.04);
        QPainterPath beam;
        beam.moveTo(sun);
        beam.lineTo(sun.x() + std::cos(a - spread) * h * 1.3,
                    sun.y() + std::sin(a - spread) * h * 1.3);
        beam.lineTo(sun.x() + std::cos(a + spread) * h * 1.3,
                    sun.y() + std::sin(a + spread) * h * 1.3);
        beam.closeSubpath();
        QLinearGradient fade(sun, QPointF(sun.x() - w * 0.5, sun.y() + h));
        fade.setColorAt(0, QColor(255, 245, 210, 45));
        fade.setColorAt(1, QColor(255, 245, 210, 0));
        painter.setBrush(fade);
        painter.drawPath(beam);
    }
    painter.end();
    addGrain(image, 0xA07055, 3);
    return image;
}

}  // namespace glint::assets
