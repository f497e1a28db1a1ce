#include <algorithm>
#include <cmath>

#include "assets/sample/paint_kit.h"
#include "assets/sample/scenes.h"

namespace glint::assets {

namespace {

struct Range {
    std::vector<double> anchors;  // ridge heights as fractions of the picture's height
    QColor rock;
    QColor snow;
    double snowLine;  // fraction of the height above which the slopes are white
    double roughness;
};

// One mountain range: rock, a snow cap above a ragged snow line, and the faces turned away from
// the sun (which stands to the left) in shadow.
void paintRange(QPainter& painter, double w, double h, double base, const Range& range,
                SeededRandom& random) {
    std::vector<double> anchors;
    for (double a : range.anchors) anchors.push_back(a * h);
    const auto ridge = ridgeLine(-w * 0.02, w * 1.02, anchors, range.roughness, 7, random);
    const QPainterPath body = areaBelow(ridge, base);
    painter.setPen(Qt::NoPen);
    // Haze pales the rock towards the foot of the range.
    QLinearGradient rock(0, h * 0.2, 0, base);
    rock.setColorAt(0, range.rock);
    rock.setColorAt(1, range.rock.lighter(135));
    painter.setBrush(rock);
    painter.drawPath(body);

    painter.save();
    painter.setClipPath(body);
    // The snow line wanders and is ragged: tongues of snow reach down the gullies and ribs of
    // rock push up between them.
    QPainterPath snow;
    snow.moveTo(-w * 0.05, 0);
    double wander = 0.0;
    bool down = true;
    for (double x = -w * 0.05; x <= w * 1.05; x += w * random.between(0.006, 0.02)) {
        wander = std::clamp(wander + random.between(-0.008, 0.008), -0.03, 0.03);
        const double tooth = random.between(0.004, down ? 0.045 : 0.02) * (down ? 1 : -1);
        snow.lineTo(x, h * (range.snowLine + wander + tooth));
        down = !down;
    }
    snow.lineTo(w * 1.05, 0);
    snow.closeSubpath();
    QLinearGradient snowLight(0, h * (range.snowLine - 0.2), 0, h * (range.snowLine + 0.05));
    snowLight.setColorAt(0, range.snow);
    snowLight.setColorAt(1, range.snow.darker(112));
    painter.setBrush(snowLight);
    painter.drawPath(snow);

    // Shadowed faces: from every summit down and to the right to the next valley.
    QColor shadow(20, 30, 60, 80);
    for (std::size_t i = 1; i + 1 < ridge.size(); ++i) {
        const QPointF p = ridge[i];
        if (p.y() > ridge[i - 1].y() || p.y() > ridge[i + 1].y()) continue;
        if (p.y() > base - h * 0.08) continue;
        std::size_t valley = i + 1;
        while (valley + 1 < ridge.size() && ridge[valley + 1].y() >= ridge[valley].y()) ++valley;
        if (ridge[valley].x() - p.x() < w * 0.02) continue;
        QPainterPath face;
        face.moveTo(p);
        for (std::size_t j = i + 1; j <= valley; ++j) face.lineTo(ridge[j]);
        // The near edge wanders down from the summit like a spur.
        const double step = h * 0.02;
        std::vector<QPointF> spur;
        double x = p.x();
        for (double y = p.y(); y < base; y += step) {
            spur.emplace_back(x, y);
            x += random.between(0.0, 0.5) * step;
        }
        spur.emplace_back(x, base);
        // The far edge leans back down under the next summit's sunny slope, never past the spur.
        const auto spurAt = [&](double y) {
            const auto k = static_cast<std::size_t>((y - p.y()) / step);
            return spur[std::min(k, spur.size() - 1)].x();
        };
        double valleyX = ridge[valley].x();
        for (double y = ridge[valley].y(); y < base; y += step) {
            face.lineTo(valleyX, y);
            valleyX = std::max(spurAt(y + step), valleyX + random.between(-0.4, 0.2) * step);
        }
        face.lineTo(valleyX, base);
        for (auto it = spur.rbegin(); it != spur.rend(); ++it) face.lineTo(*it);
        face.closeSubpath();
        painter.setBrush(shadow);
        painter.drawPath(face);
    }
    painter.restore();
}

}  // namespace

QImage paintSnowyMountains(QSize size) {
    QImage image = newCanvas(size);
    SeededRandom random(0xA1B5);
    const double w = size.width();
    const double h = size.height();
    const double lake = h * 0.66;
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    fillVertical(painter, QRectF(0, 0, w, lake),
                 {{0.0, QColor(0x2f, 0x6f, 0xc8)},
                  {0.55, QColor(0x86, 0xb8, 0xe8)},
                  {1.0, QColor(0xdc, 0xec, 0xf8)}});
    softEllipse(painter, QRectF(-w * 0.3, -h * 0.4, w * 0.8, h * 0.9), QColor(255, 250, 230, 90));
    drawCloud(painter, QPointF(w * 0.24, h * 0.2), w * 0.22, QColor(255, 255, 255, 200),
              QColor(190, 205, 225, 140), random);
    drawCloud(painter, QPointF(w * 0.78, h * 0.13), w * 0.16, QColor(255, 255, 255, 170),
              QColor(190, 205, 225, 120), random);

    paintRange(painter, w, h, lake,
               {{0.42, 0.33, 0.38, 0.28, 0.36, 0.31, 0.4},
                QColor(0x9c, 0xae, 0xc8),
                QColor(0xe6, 0xee, 0xf8),
                0.36,
                0.1},
               random);
    paintRange(painter, w, h, lake,
               {{0.58, 0.4, 0.22, 0.45, 0.3, 0.5, 0.62},
                QColor(0x5a, 0x66, 0x7c),
                QColor(0xf6, 0xf8, 0xfc),
                0.33,
                0.14},
               random);

    // Forest at the lake's far shore.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x2c, 0x4a, 0x3a));
    painter.drawRect(QRectF(0, lake - h * 0.012, w, h * 0.012));
    for (double x = 0; x < w; x += w * random.between(0.006, 0.014)) {
        drawFir(painter, QPointF(x, lake), h * random.between(0.025, 0.06),
                QColor(0x24, 0x40, 0x32));
    }
    painter.end();

    reflectBelow(image, static_cast<int>(lake), QColor(0x3a, 0x68, 0x90), 0.35, random);

    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // The near shore: a grassy bank with firs.
    const auto bank =
        ridgeLine(-w * 0.02, w * 1.02, {h * 0.93, h * 0.9, h * 0.95, h * 0.97}, 0.05, 6, random);
    QLinearGradient grass(0, h * 0.88, 0, h);
    grass.setColorAt(0, QColor(0x4c, 0x7a, 0x3c));
    grass.setColorAt(1, QColor(0x2a, 0x48, 0x24));
    painter.setBrush(grass);
    painter.drawPath(areaBelow(bank, h + 1));
    drawFir(painter, QPointF(w * 0.06, h * 0.95), h * 0.36, QColor(0x1c, 0x33, 0x22));
    drawFir(painter, QPointF(w * 0.13, h * 0.97), h * 0.26, QColor(0x22, 0x3b, 0x27));
    drawFir(painter, QPointF(w * 0.92, h * 0.99), h * 0.3, QColor(0x1c, 0x33, 0x22));
    painter.end();
    addGrain(image, 0xA1B5, 3);
    return image;
}

}  // namespace glint::assets
