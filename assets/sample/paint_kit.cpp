#include "assets/sample/paint_kit.h"

#include <QLinearGradient>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace glint::assets {

QImage newCanvas(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

void softEllipse(QPainter& painter, const QRectF& rect, const QColor& colour) {
    if (rect.width() <= 0 || rect.height() <= 0) return;
    painter.save();
    painter.translate(rect.center());
    painter.scale(rect.width() / 2, rect.height() / 2);
    QRadialGradient gradient(QPointF(0, 0), 1.0);
    QColor rim = colour;
    rim.setAlpha(0);
    QColor middle = colour;
    middle.setAlphaF(colour.alphaF() * 0.55);
    gradient.setColorAt(0.0, colour);
    gradient.setColorAt(0.5, middle);
    gradient.setColorAt(1.0, rim);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(QPointF(0, 0), 1.0, 1.0);
    painter.restore();
}

void drawCloud(QPainter& painter, QPointF base, double width, const QColor& light,
               const QColor& shade, SeededRandom& random) {
    const int puffs = 9 + random.below(6);
    // Shade first, lower and wider, so the lit puffs above leave a darker underside showing.
    for (int i = 0; i < puffs; ++i) {
        const double x = base.x() + random.between(-0.45, 0.45) * width;
        const double r = width * random.between(0.10, 0.2);
        softEllipse(painter, QRectF(x - r * 1.6, base.y() - r * 0.9, r * 3.2, r * 1.6), shade);
    }
    for (int i = 0; i < puffs; ++i) {
        const double along = random.between(-0.4, 0.4);
        const double x = base.x() + along * width;
        const double r = width * random.between(0.12, 0.24) * (1.0 - std::abs(along));
        const double y = base.y() - r * random.between(0.9, 1.6);
        softEllipse(painter, QRectF(x - r * 1.5, y - r * 1.3, r * 3.0, r * 2.6), light);
    }
}

std::vector<QPointF> ridgeLine(double left, double right, const std::vector<double>& anchors,
                               double roughness, int levels, SeededRandom& random) {
    std::vector<QPointF> points;
    const double step = (right - left) / static_cast<double>(anchors.size() - 1);
    for (std::size_t i = 0; i < anchors.size(); ++i)
        points.emplace_back(left + step * i, anchors[i]);
    for (int level = 0; level < levels; ++level) {
        std::vector<QPointF> finer;
        for (std::size_t i = 0; i + 1 < points.size(); ++i) {
            const QPointF a = points[i];
            const QPointF b = points[i + 1];
            const double length = b.x() - a.x();
            finer.push_back(a);
            finer.emplace_back((a.x() + b.x()) / 2,
                               (a.y() + b.y()) / 2 + random.between(-1, 1) * roughness * length);
        }
        finer.push_back(points.back());
        points = std::move(finer);
    }
    return points;
}

QPainterPath areaBelow(const std::vector<QPointF>& ridge, double bottom) {
    QPainterPath path;
    path.moveTo(ridge.front().x(), bottom);
    for (const QPointF& p : ridge) path.lineTo(p);
    path.lineTo(ridge.back().x(), bottom);
    path.closeSubpath();
    return path;
}

void drawFir(QPainter& painter, QPointF foot, double height, const QColor& colour) {
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const double trunk = height * 0.12;
    painter.drawRect(QRectF(foot.x() - height * 0.03, foot.y() - trunk, height * 0.06, trunk));
    // Three tiers, each narrower and overlapping the one below, as a fir's boughs are.
    for (int tier = 0; tier < 3; ++tier) {
        const double bottom = foot.y() - trunk - tier * height * 0.24;
        const double halfWidth = height * (0.24 - tier * 0.055);
        const double top = bottom - height * (0.46 - tier * 0.04);
        QPainterPath tierPath;
        tierPath.moveTo(foot.x() - halfWidth, bottom);
        tierPath.lineTo(foot.x(), std::max(top, foot.y() - height));
        tierPath.lineTo(foot.x() + halfWidth, bottom);
        tierPath.closeSubpath();
        painter.drawPath(tierPath);
    }
    painter.restore();
}

void reflectBelow(QImage& image, int waterline, const QColor& water, double tint,
                  SeededRandom& random) {
    const int width = image.width();
    const double phase = random.between(0, 6.28);
    const QImage source = image.copy();
    for (int y = waterline; y < image.height(); ++y) {
        const int depth = y - waterline;
        // Ripples grow towards the viewer, as the water's surface is seen less edge on; each row
        // also reads from a row a little off its mirror row, which draws lights out into streaks.
        const double amplitude = 0.5 + depth * 0.02;
        const double swell = std::sin(depth * 0.21 + phase) * random.between(0.4, 1.0);
        const int shift = static_cast<int>(std::lround(amplitude * swell));
        const int jitter =
            static_cast<int>(std::lround(random.between(-1, 1) * (1 + depth * 0.04)));
        const int from = std::clamp(waterline - 1 - depth + jitter, 0, waterline - 1);
        const double mix = std::min(1.0, tint + depth * 0.0006);
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(from));
        QRgb* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb a = in[std::clamp(x + shift, 0, width - 1)];
            const QRgb b = in[std::clamp(x - shift, 0, width - 1)];
            const auto blend = [mix](int p, int q, int w) {
                return static_cast<int>((p + q) / 2.0 * (1 - mix) + w * mix);
            };
            out[x] = qRgb(blend(qRed(a), qRed(b), water.red()),
                          blend(qGreen(a), qGreen(b), water.green()),
                          blend(qBlue(a), qBlue(b), water.blue()));
        }
    }
}

void addGrain(QImage& image, std::uint64_t seed, int amount) {
    SeededRandom random(seed);
    const int span = 2 * amount + 1;
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = random.below(span) - amount;
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255),
                           std::clamp(qBlue(c) + n, 0, 255));
        }
    }
}

}  // namespace glint::assets
