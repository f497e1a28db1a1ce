#include "paint_helpers.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QRadialGradient>
#include <cstdio>

namespace glint::assets {

QImage newPicture(int width, int height, const QColor& fill) {
    QImage picture(width, height, QImage::Format_RGB32);
    // 96 dots per inch, written into the JPEG header; fixed so that files compare byte for byte.
    picture.setDotsPerMeterX(3780);
    picture.setDotsPerMeterY(3780);
    picture.fill(fill);
    return picture;
}

void softGlow(QPainter& painter, const QRectF& ellipse, const QColor& colour) {
    painter.save();
    // A circular gradient drawn through a scale, so that wide glows stay elliptical.
    painter.translate(ellipse.center());
    painter.scale(ellipse.width() / 2, ellipse.height() / 2);
    QRadialGradient gradient(QPointF(0, 0), 1);
    QColor clear = colour;
    clear.setAlpha(0);
    gradient.setColorAt(0, colour);
    gradient.setColorAt(1, clear);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(QPointF(0, 0), 1, 1);
    painter.restore();
}

void requireGlyphs(const QFont& font, const QString& text) {
    const QFontMetricsF metrics(font);
    for (const char32_t code : text.toUcs4()) {
        if (code > U' ' && !metrics.inFontUcs4(code)) {
            qFatal("no glyph for U+%04X in \"%s\"", static_cast<unsigned>(code),
                   qPrintable(font.family()));
        }
    }
}

void drawLine(QPainter& painter, const QRectF& box, const QFont& font, const QColor& colour,
              Qt::Alignment alignment, const QString& text) {
    requireGlyphs(font, text);
    painter.save();
    painter.setFont(fittedFont(font, text, box.width()));
    painter.setPen(colour);
    painter.drawText(box, static_cast<int>(alignment) | Qt::TextSingleLine, text);
    painter.restore();
}

QFont fittedFont(const QFont& font, const QString& text, double width) {
    constexpr int kSmallestPixelSize = 9;
    QFont fitted(font);
    while (textWidth(fitted, text) > width) {
        if (fitted.pixelSize() <= kSmallestPixelSize) {
            qFatal("\"%s\" is %.1f pixels wide at %d pixels, its place %.1f", qPrintable(text),
                   textWidth(fitted, text), fitted.pixelSize(), width);
        }
        fitted.setPixelSize(fitted.pixelSize() - 1);
    }
    if (fitted.pixelSize() != font.pixelSize()) {
        std::fprintf(stderr, "glint_draw_artwork: \"%s\" drawn at %d pixels instead of %d to fit\n",
                     qPrintable(text), fitted.pixelSize(), font.pixelSize());
    }
    return fitted;
}

double textWidth(const QFont& font, const QString& text) {
    return QFontMetricsF(font).horizontalAdvance(text);
}

}  // namespace glint::assets
