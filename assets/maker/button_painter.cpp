#include "button_painter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "glyphs.h"
#include "paint_helpers.h"

namespace glint::assets {
namespace {

constexpr QPointF kDiscCentre(15, 14);
constexpr double kDiscRadius = 9.5;

}  // namespace

ButtonPainter::ButtonPainter(const Palette& palette, const ArtFonts& fonts, const ArtTexts& texts,
                             const QImage& bareBackground)
    : m_palette(palette), m_fonts(fonts), m_texts(texts), m_bare(bareBackground) {}

QImage ButtonPainter::baseFor(const QRect& place) const {
    QImage picture = m_bare.copy(place);
    picture.setDotsPerMeterX(m_bare.dotsPerMeterX());
    picture.setDotsPerMeterY(m_bare.dotsPerMeterY());
    return picture;
}

void ButtonPainter::paintFace(QImage& picture, const QString& caption, bool hot) const {
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = QRectF(picture.rect()).adjusted(0.5, 0.5, -0.5, -0.5);

    QLinearGradient fill(face.topLeft(), face.bottomLeft());
    fill.setColorAt(0, hot ? m_palette.hotTop : m_palette.faceTop);
    fill.setColorAt(1, hot ? m_palette.hotBottom : m_palette.faceBottom);
    painter.setPen(QPen(hot ? m_palette.hotEdge : m_palette.faceEdge, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(face, 6, 6);

    // A glassy sheen across the upper half.
    QPainterPath sheen;
    sheen.addRoundedRect(face.adjusted(1.5, 1.5, -1.5, -face.height() / 2), 5, 5);
    QLinearGradient gloss(0, face.top(), 0, face.center().y());
    gloss.setColorAt(0, withAlpha(Qt::white, hot ? 70 : 45));
    gloss.setColorAt(1, withAlpha(Qt::white, 0));
    painter.fillPath(sheen, gloss);

    // The disc on the left; what it holds is drawn by the caller.
    QRadialGradient disc(kDiscCentre - QPointF(3, 3), kDiscRadius * 1.6);
    disc.setColorAt(0, hot ? QColor(0xff, 0xe8, 0x9a) : QColor(0x14, 0x3c, 0x55));
    disc.setColorAt(1, hot ? m_palette.yellow : QColor(0x07, 0x1b, 0x2a));
    painter.setPen(QPen(hot ? withAlpha(Qt::white, 220) : withAlpha(m_palette.cyan, 170), 1));
    painter.setBrush(disc);
    painter.drawEllipse(kDiscCentre, kDiscRadius, kDiscRadius);

    const QRectF textBox(kDiscCentre.x() + kDiscRadius + 2, 0,
                         face.right() - 4 - (kDiscCentre.x() + kDiscRadius + 2), face.height());
    const QFont font = m_fonts.font(13, true);
    drawLine(painter, textBox.translated(1, 1), font, withAlpha(Qt::black, 140), Qt::AlignCenter,
             caption);
    drawLine(painter, textBox, font, hot ? QColor(Qt::white) : m_palette.textBright,
             Qt::AlignCenter, caption);
}

QImage ButtonPainter::stepButton(const QRect& place, int number, bool hot) const {
    QImage picture = baseFor(place);
    paintFace(picture, m_texts.captions.at(static_cast<size_t>(number - 1)), hot);
    QPainter painter(&picture);
    const QRectF disc(kDiscCentre.x() - kDiscRadius, kDiscCentre.y() - kDiscRadius, kDiscRadius * 2,
                      kDiscRadius * 2);
    drawLine(painter, disc.translated(0, 0.5), m_fonts.font(13, true),
             hot ? m_palette.titleBottom : m_palette.yellow, Qt::AlignCenter,
             QString::number(number));
    return picture;
}

QImage ButtonPainter::newProductionButton(const QRect& place, bool hot) const {
    QImage picture = baseFor(place);
    paintFace(picture, m_texts.newProduction, hot);
    QPainter painter(&picture);
    const QRectF arrow(kDiscCentre.x() - 5.5, kDiscCentre.y() - 5, 11, 11);
    paintDownArrow(painter, arrow, hot ? m_palette.titleBottom : m_palette.yellow);
    return picture;
}

QImage ButtonPainter::titleButton(const QRect& place, TitleGlyph glyph, bool hot) const {
    QImage picture = baseFor(place);
    QPainter painter(&picture);
    // Drawn in window coordinates, so the glyph lands on the very pixels the background has.
    painter.translate(-place.topLeft());
    const QRectF box = titleGlyphBox(place);
    QColor ink = m_palette.textSoft;
    if (hot) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(glyph == TitleGlyph::Cross ? m_palette.closeHot : m_palette.faceTop);
        painter.drawRoundedRect(QRectF(place), 2, 2);
        ink = Qt::white;
    }
    if (glyph == TitleGlyph::Cross) {
        paintCrossGlyph(painter, box, ink, 1.6);
    } else {
        paintMinusGlyph(painter, box, ink, 1.6);
    }
    return picture;
}

QImage ButtonPainter::helpButton(const QRect& place) const {
    QImage picture = baseFor(place);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(place.width() / 2.0, 15);
    const double radius = 13;

    softGlow(painter, QRectF(centre.x() - 17, centre.y() - 17, 34, 34),
             withAlpha(m_palette.teal, 110));
    QRadialGradient badge(centre - QPointF(4, 5), radius * 1.5);
    badge.setColorAt(0, m_palette.hotTop);
    badge.setColorAt(1, m_palette.faceBottom);
    painter.setPen(QPen(m_palette.hotEdge, 1.2));
    painter.setBrush(badge);
    painter.drawEllipse(centre, radius, radius);

    const QRectF mark(centre.x() - radius, centre.y() - radius, radius * 2, radius * 2);
    const QFont font = m_fonts.font(19, true);
    drawLine(painter, mark.translated(1, 1.5), font, withAlpha(Qt::black, 130), Qt::AlignCenter,
             QStringLiteral("?"));
    drawLine(painter, mark.translated(0, 0.5), font, Qt::white, Qt::AlignCenter,
             QStringLiteral("?"));
    drawLine(painter, QRectF(0, 30, place.width(), 13), m_fonts.font(11), m_palette.textSoft,
             Qt::AlignCenter, m_texts.help);
    return picture;
}

}  // namespace glint::assets
