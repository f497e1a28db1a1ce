#include "sample_photo_painter.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "assets/common/seeded_random.h"
#include "paint_helpers.h"

namespace glint::assets {
namespace {

// A ridge through evenly spaced anchor heights, made rough by midpoint displacement: each halving
// adds up to `roughness` times the segment's length.
std::vector<QPointF> ridgeLine(double width, const std::vector<double>& anchors, double roughness,
                               SeededRandom& random) {
    std::vector<QPointF> points;
    const double step = width / static_cast<double>(anchors.size() - 1);
    for (size_t i = 0; i < anchors.size(); ++i) points.emplace_back(step * i, anchors[i]);
    for (int level = 0; level < 5; ++level) {
        std::vector<QPointF> finer;
        for (size_t i = 0; i + 1 < points.size(); ++i) {
            const QPointF a = points[i];
            const QPointF b = points[i + 1];
            const double span = b.x() - a.x();
            finer.push_back(a);
            finer.emplace_back((a.x() + b.x()) / 2,
                               (a.y() + b.y()) / 2 + random.between(-1, 1) * roughness * span);
        }
        finer.push_back(points.back());
        points = std::move(finer);
    }
    return points;
}

QPainterPath areaBelow(const std::vector<QPointF>& ridge, double bottom) {
    QPainterPath path(QPointF(ridge.front().x(), bottom));
    for (const QPointF& p : ridge) path.lineTo(p);
    path.lineTo(ridge.back().x(), bottom);
    path.closeSubpath();
    return path;
}

void drawFir(QPainter& painter, QPointF foot, double height, const QColor& colour,
             SeededRandom& random) {
    QPainterPath tree;
    const int tiers = 9;
    const double tierHeight = height * 0.2;
    for (int i = 0; i < tiers; ++i) {
        // Tiers overlap, narrow towards the top, and their branch tips droop.
        const double bottom = foot.y() - height * 0.1 - i * height * 0.095;
        const double top = bottom - tierHeight;
        const double half = height * 0.2 * (1.0 - i / static_cast<double>(tiers)) + height * 0.02;
        const double left = foot.x() - half * random.between(0.85, 1.1);
        const double right = foot.x() + half * random.between(0.85, 1.1);
        tree.moveTo(left, bottom + tierHeight * 0.08);
        tree.quadTo(foot.x() - half * 0.45, bottom - tierHeight * 0.35, foot.x(), top);
        tree.quadTo(foot.x() + half * 0.45, bottom - tierHeight * 0.35, right,
                    bottom + tierHeight * 0.08);
        tree.lineTo(foot.x(), bottom - tierHeight * 0.2);
        tree.closeSubpath();
    }
    tree.addRect(
        QRectF(foot.x() - height * 0.012, foot.y() - height * 0.12, height * 0.024, height * 0.12));
    tree.setFillRule(Qt::WindingFill);
    painter.fillPath(tree, colour);
}

// Mirrors the rows above the waterline into the rows below, rippled and tinted towards the water.
void reflectBelow(QImage& image, int waterline, const QColor& water, SeededRandom& random) {
    const QImage source = image.copy();
    for (int y = waterline; y < image.height(); ++y) {
        const int depth = y - waterline;
        const int mirrorY = std::max(0, waterline - 1 - depth);
        const double tint = std::min(0.75, 0.28 + depth * 0.012);
        const int shift =
            static_cast<int>(std::lround(random.between(-1.5, 1.5) * (1 + depth / 12.0)));
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(mirrorY));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = from[std::clamp(x + shift, 0, image.width() - 1)];
            const auto mix = [&](int channel, int target) {
                return static_cast<int>(channel * (1 - tint) + target * tint);
            };
            row[x] = qRgb(mix(qRed(c), water.red()), mix(qGreen(c), water.green()),
                          mix(qBlue(c), water.blue()));
        }
    }
}

void addGrain(QImage& image, SeededRandom& random, int amount) {
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = static_cast<int>(random.between(-amount, amount + 1));
            row[x] =
                qRgb(std::clamp(qRed(row[x]) + n, 0, 255), std::clamp(qGreen(row[x]) + n, 0, 255),
                     std::clamp(qBlue(row[x]) + n, 0, 255));
        }
    }
}

}  // namespace

QImage SamplePhotoPainter::paint() const {
    const double w = m_size.width();
    const double h = m_size.height();
    const int waterline = static_cast<int>(h * 0.57);
    SeededRandom random(20240611);
    QImage picture = newPicture(m_size.width(), m_size.height(), Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    fillVertical(painter, QRectF(0, 0, w, waterline),
                 {{0, QColor(0x1b, 0x2f, 0x5e)},
                  {0.42, QColor(0x63, 0x57, 0x9a)},
                  {0.75, QColor(0xe3, 0x8c, 0x78)},
                  {1, QColor(0xff, 0xd3, 0x9c)}});
    const QPointF sun(w * 0.72, h * 0.31);
    softGlow(painter, QRectF(sun.x() - 90, sun.y() - 60, 180, 130), QColor(255, 220, 160, 150));
    softGlow(painter, QRectF(sun.x() - 22, sun.y() - 22, 44, 44), QColor(255, 245, 215, 230));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xff, 0xf6, 0xdc));
    painter.drawEllipse(sun, 7, 7);

    // Streaks of cloud lit from below.
    for (int i = 0; i < 9; ++i) {
        const double y = random.between(h * 0.08, h * 0.42);
        const double x = random.between(-20, w);
        const double length = random.between(40, 90);
        const int alpha = static_cast<int>(random.between(60, 130));
        const QColor lit =
            y > h * 0.25 ? QColor(255, 190, 170, alpha) : QColor(200, 170, 220, alpha);
        softGlow(painter, QRectF(x, y, length, random.between(4, 9)), lit);
    }

    // Far range in haze, then the nearer, darker range.
    const auto far =
        ridgeLine(w, {h * 0.40, h * 0.30, h * 0.37, h * 0.29, h * 0.41, h * 0.46}, 0.18, random);
    painter.setClipPath(areaBelow(far, waterline));
    fillVertical(painter, QRectF(0, h * 0.25, w, waterline - h * 0.25),
                 {{0, QColor(0x7d, 0x71, 0xa8)}, {1, QColor(0xc8, 0x95, 0xa6)}});
    painter.setClipping(false);
    const auto near =
        ridgeLine(w, {h * 0.50, h * 0.44, h * 0.52, h * 0.47, h * 0.53}, 0.12, random);
    painter.setClipPath(areaBelow(near, waterline));
    fillVertical(painter, QRectF(0, h * 0.42, w, waterline - h * 0.42),
                 {{0, QColor(0x46, 0x49, 0x7a)}, {1, QColor(0x5e, 0x55, 0x80)}});
    painter.setClipping(false);

    // A line of small firs along the far shore.
    for (double x = -2; x < w + 4; x += random.between(3, 6)) {
        drawFir(painter, QPointF(x, waterline + 1), random.between(6, 13), QColor(0x26, 0x2d, 0x4a),
                random);
    }
    painter.end();

    reflectBelow(picture, waterline, QColor(0x4e, 0x5b, 0x8c), random);

    painter.begin(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // The sun's path of light on the water.
    for (int y = waterline + 2; y < h * 0.80; y += 2) {
        const double spread = 3 + (y - waterline) * 0.35;
        const double x = sun.x() + random.between(-spread, spread);
        softGlow(painter, QRectF(x - 6, y, 12 + random.between(0, 8), 1.6),
                 QColor(255, 232, 190, 150));
    }

    // The bank in front, sloping down to the right, with grass and flowers.
    QPainterPath bank(QPointF(0, h * 0.76));
    bank.cubicTo(QPointF(w * 0.35, h * 0.77), QPointF(w * 0.6, h * 0.86), QPointF(w, h * 0.84));
    bank.lineTo(w, h);
    bank.lineTo(0, h);
    bank.closeSubpath();
    painter.setClipPath(bank);
    fillVertical(painter, QRectF(0, h * 0.75, w, h * 0.25),
                 {{0, QColor(0x3a, 0x5a, 0x3a)}, {1, QColor(0x16, 0x2a, 0x1c)}});
    for (int i = 0; i < 260; ++i) {
        const double x = random.between(0, w);
        const double y = random.between(h * 0.76, h + 4);
        const double lean = random.between(-2.5, 2.5);
        const int green = static_cast<int>(random.between(70, 130));
        painter.setPen(QPen(QColor(40, green, 55, 200), 0.8));
        painter.drawLine(QPointF(x, y), QPointF(x + lean, y - random.between(4, 10)));
    }
    const QColor blossoms[] = {QColor(0xff, 0xa8, 0xc5), QColor(0xff, 0xf1, 0xf6),
                               QColor(0xff, 0xd6, 0x5c), QColor(0xc9, 0x9b, 0xff)};
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 70; ++i) {
        const double y = random.between(h * 0.80, h - 2);
        const double x = random.between(0, w);
        const double r = 0.6 + (y - h * 0.8) / (h * 0.2) * 1.6;
        painter.setBrush(blossoms[static_cast<int>(random.between(0, 4))]);
        painter.drawEllipse(QPointF(x, y), r, r * 0.8);
    }
    painter.setClipping(false);

    // A tall pine on the left frames the view.
    drawFir(painter, QPointF(w * 0.13, h * 0.80), h * 0.70, QColor(0x10, 0x22, 0x1a), random);
    drawFir(painter, QPointF(w * 0.29, h * 0.79), h * 0.36, QColor(0x15, 0x2b, 0x21), random);
    painter.end();

    addGrain(picture, random, 3);
    return picture;
}

}  // namespace glint::assets
