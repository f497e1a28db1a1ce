#include <algorithm>
#include <array>
#include <cmath>

#include "assets/sample/paint_kit.h"
#include "assets/sample/scenes.h"

namespace glint::assets {

namespace {

// Something standing in the meadow, painted far to near so nearer things cover farther ones.
struct Sprig {
    QPointF foot;
    double scale;  // 0 at the far edge of the meadow, 1 at the bottom of the picture
    int kind;      // 0 a grass blade, otherwise an index into the petal colours plus one
    double lean;
};

constexpr std::array<QRgb, 6> kPetals = {0xffe63946, 0xffffd23f, 0xfffafafa,
                                         0xff9b5de5, 0xfff78fb3, 0xffff8c42};

void paintFlower(QPainter& painter, const Sprig& s, double h) {
    const double r = h * (0.002 + s.scale * 0.016);
    const QPointF head(s.foot.x() + s.lean * r * 2, s.foot.y() - r * 3.2);
    painter.setPen(QPen(QColor(0x3e, 0x7a, 0x2e), std::max(0.6, r * 0.25)));
    painter.drawLine(s.foot, head);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgba(kPetals[s.kind - 1]));
    if (r < 2.0) {
        painter.drawEllipse(head, r, r);
        return;
    }
    for (int petal = 0; petal < 5; ++petal) {
        const double angle = petal * 2 * M_PI / 5 + s.lean;
        const QPointF at(head.x() + std::cos(angle) * r * 0.8,
                         head.y() + std::sin(angle) * r * 0.55);
        painter.drawEllipse(at, r * 0.62, r * 0.45);
    }
    painter.setBrush(QColor(0xf2, 0xa5, 0x1a));
    if (s.kind == 2) painter.setBrush(QColor(0x8a, 0x4b, 0x12));
    painter.drawEllipse(head, r * 0.35, r * 0.28);
}

void paintBlade(QPainter& painter, const Sprig& s, double h, SeededRandom& random) {
    const double length = h * (0.01 + s.scale * 0.09);
    const int shade = random.below(60);
    painter.setPen(QPen(QColor(0x3a + shade / 2, 0x80 + shade, 0x2a, 220),
                        std::max(0.7, s.scale * 2.2), Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    QPainterPath blade;
    blade.moveTo(s.foot);
    blade.quadTo(s.foot.x() + s.lean * length * 0.2, s.foot.y() - length * 0.6,
                 s.foot.x() + s.lean * length * 0.6, s.foot.y() - length);
    painter.drawPath(blade);
}

void paintTree(QPainter& painter, QPointF foot, double height, SeededRandom& random) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x5a, 0x40, 0x2a));
    painter.drawRect(
        QRectF(foot.x() - height * 0.04, foot.y() - height * 0.45, height * 0.08, height * 0.45));
    for (int i = 0; i < 40; ++i) {
        const double a = random.between(0, 2 * M_PI);
        const double d = random.unit() * height * 0.3;
        const QPointF c(foot.x() + std::cos(a) * d * 1.2,
                        foot.y() - height * 0.62 + std::sin(a) * d);
        const double lit =
            0.5 - (c.x() - foot.x()) / height + (foot.y() - height * 0.6 - c.y()) / height;
        const int g = static_cast<int>(std::clamp(0x70 + lit * 70, 70.0, 200.0));
        painter.setBrush(QColor(g / 3, g, g / 4));
        painter.drawEllipse(c, height * 0.12, height * 0.11);
    }
}

}  // namespace

QImage paintFlowerMeadow(QSize size) {
    QImage image = newCanvas(size);
    SeededRandom random(0x3EAD0);
    const double w = size.width();
    const double h = size.height();
    const double horizon = h * 0.5;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    fillVertical(painter, QRectF(0, 0, w, horizon),
                 {{0.0, QColor(0x3f, 0x86, 0xd6)}, {1.0, QColor(0xc4, 0xe2, 0xf6)}});
    softEllipse(painter, QRectF(w * 0.6, -h * 0.35, w * 0.7, h * 0.75), QColor(255, 250, 220, 140));
    drawCloud(painter, QPointF(w * 0.28, h * 0.24), w * 0.3, QColor(255, 255, 255, 230),
              QColor(200, 210, 228, 170), random);
    drawCloud(painter, QPointF(w * 0.72, h * 0.32), w * 0.2, QColor(255, 255, 255, 210),
              QColor(200, 210, 228, 150), random);

    const auto far = ridgeLine(-w * 0.02, w * 1.02,
                               {h * 0.47, h * 0.41, h * 0.45, h * 0.4, h * 0.46}, 0.04, 6, random);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x7c, 0xa8, 0x8a));
    painter.drawPath(areaBelow(far, h));
    const auto near =
        ridgeLine(-w * 0.02, w * 1.02, {h * 0.5, h * 0.53, h * 0.46, h * 0.52}, 0.03, 6, random);
    painter.setBrush(QColor(0x5f, 0x9c, 0x4c));
    painter.drawPath(areaBelow(near, h));
    paintTree(painter, QPointF(w * 0.63, h * 0.48), h * 0.22, random);

    const double meadowTop = h * 0.54;
    QLinearGradient meadow(0, meadowTop, 0, h);
    meadow.setColorAt(0, QColor(0x86, 0xbf, 0x4e));
    meadow.setColorAt(1, QColor(0x3c, 0x7a, 0x2a));
    QPainterPath field;
    field.moveTo(0, meadowTop + h * 0.02);
    field.cubicTo(w * 0.3, meadowTop - h * 0.03, w * 0.6, meadowTop + h * 0.04, w, meadowTop);
    field.lineTo(w, h);
    field.lineTo(0, h);
    field.closeSubpath();
    painter.setBrush(meadow);
    painter.drawPath(field);

    std::vector<Sprig> sprigs;
    for (int i = 0; i < 2600; ++i) {
        // Denser towards the horizon, as a receding field looks.
        const double t = std::pow(random.unit(), 1.4);
        const double y = meadowTop + h * 0.03 + t * (h * 1.02 - meadowTop);
        const bool flower = random.chance(0.3);
        const int kind = flower ? 1 + random.below(static_cast<int>(kPetals.size())) : 0;
        sprigs.push_back(
            {QPointF(random.between(-0.02, 1.02) * w, y), t, kind, random.between(-0.5, 0.5)});
    }
    std::stable_sort(sprigs.begin(), sprigs.end(),
                     [](const Sprig& a, const Sprig& b) { return a.foot.y() < b.foot.y(); });
    for (const Sprig& s : sprigs) {
        if (s.kind == 0)
            paintBlade(painter, s, h, random);
        else
            paintFlower(painter, s, h);
    }
    painter.end();
    addGrain(image, 0x3EAD0, 2);
    return image;
}

}  // namespace glint::assets
