#include "work_area_painter.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QStringList>

#include "glyphs.h"
#include "paint_helpers.h"

namespace glint::assets {
namespace {

constexpr double kBadgeRadius = 15;
constexpr double kHintLeft = 428;

}  // namespace

WorkAreaPainter::WorkAreaPainter(const Palette& palette, const WindowLayout& layout,
                                 const ArtFonts& fonts, const ArtTexts& texts)
    : m_palette(palette), m_layout(layout), m_fonts(fonts), m_texts(texts) {}

QRectF WorkAreaPainter::frame() const {
    const double top = m_layout.bannerBottom + 4;
    return {4, top, m_layout.window.width() - 9.0, m_layout.window.height() - 5.0 - top};
}

QRectF WorkAreaPainter::header() const {
    // Deep enough to hold the web address label (about 160 x 12 at y = 104) with room around it,
    // and ending just above the preview.
    const QRectF f = frame();
    return {f.left() + 1, f.top() + 1, f.width() - 1, m_layout.preview.top() - 2 - f.top() - 1};
}

double WorkAreaPainter::dividerX() const {
    return m_layout.preview.right() + 7.5;
}

QPointF WorkAreaPainter::badgeCentre(int index) const {
    const QRect& button = m_layout.steps[static_cast<size_t>(index)];
    return {button.left() - 28.0, button.top() + button.height() / 2.0};
}

void WorkAreaPainter::paint(QPainter& painter) const {
    const double top = m_layout.bannerBottom + 1;
    fillVertical(painter, QRectF(0, top, m_layout.window.width(), m_layout.window.height() - top),
                 {{0, m_palette.panelTop}, {1, m_palette.panelBottom}});
    paintFrame(painter);
    paintPreviewPanel(painter);
    paintStepTrail(painter);
    for (int i = 0; i < 4; ++i) paintStep(painter, i);
    paintFooter(painter);
}

void WorkAreaPainter::paintFrame(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF f = frame();
    painter.setPen(QPen(m_palette.panelLine, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(f.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);

    // The header band: black, so the web address label's own black box does not show.
    const QRectF h = header();
    QPainterPath band;
    band.addRoundedRect(h.adjusted(0, 0, 0, 6), 4, 4);
    painter.setClipRect(h);
    painter.fillPath(band, m_palette.labelBand);
    painter.setClipping(false);
    painter.fillRect(QRectF(h.left(), h.bottom(), h.width(), 1), m_palette.panelLine);

    // A heading on the right of the band, well clear of the web address on its left.
    // Its place begins past the web address and the room for the sparkle before the heading.
    const QString& heading = m_texts.heading;
    const double headingLeft = m_layout.webAddress.right() + 30;
    const QRectF headingBox(headingLeft, h.top(), h.right() - 14 - headingLeft, h.height());
    const QFont font = fittedFont(m_fonts.font(12), heading, headingBox.width());
    drawLine(painter, headingBox, font, m_palette.textSoft, Qt::AlignRight | Qt::AlignVCenter,
             heading);
    const double sparkleX = headingBox.right() - textWidth(font, heading) - 12;
    paintSparkle(painter, QPointF(sparkleX, h.center().y()), 6, m_palette.yellow);

    painter.fillRect(QRectF(dividerX() - 0.5, h.bottom() + 1, 1, f.bottom() - h.bottom() - 2),
                     m_palette.panelLine);
    painter.restore();
}

void WorkAreaPainter::paintPreviewPanel(QPainter& painter) const {
    // The whole panel is black: the preview caption's label paints a black box below the picture.
    const QRectF f = frame();
    const QRectF h = header();
    const QRectF panel(f.left() + 1, h.bottom() + 1, dividerX() - 0.5 - f.left() - 1,
                       f.bottom() - h.bottom() - 2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(panel.adjusted(0, -6, 6, 0), 4, 4);
    painter.setClipRect(panel);
    painter.fillPath(shape, m_palette.labelBand);
    painter.setClipping(false);

    // A faint rim one pixel outside the picture box.
    const QRectF rim = QRectF(m_layout.preview).adjusted(-1.5, -1.5, 1.5, 1.5);
    painter.setPen(QPen(withAlpha(m_palette.teal, 110), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rim);

    // Below the caption: a short note on what the preview shows, centred in the space left.
    const double noteTop = m_layout.previewCaption.bottom() + 6;
    drawLine(painter, QRectF(panel.left(), noteTop, panel.width(), panel.bottom() - noteTop),
             m_fonts.font(11), m_palette.textDim, Qt::AlignHCenter | Qt::AlignVCenter,
             m_texts.previewNote);
    painter.restore();
}

void WorkAreaPainter::paintStepTrail(QPainter& painter) const {
    // A dotted line joining the four badges: the steps are done in order.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPen dots(withAlpha(m_palette.teal, 150), 1.6, Qt::CustomDashLine, Qt::RoundCap);
    dots.setDashPattern({0.1, 3.0});
    painter.setPen(dots);
    for (int i = 0; i + 1 < 4; ++i) {
        const QPointF from = badgeCentre(i) + QPointF(0, kBadgeRadius + 4);
        const QPointF to = badgeCentre(i + 1) - QPointF(0, kBadgeRadius + 4);
        painter.drawLine(from, to);
    }
    painter.restore();
}

void WorkAreaPainter::paintStep(QPainter& painter, int index) const {
    const QRect& button = m_layout.steps[static_cast<size_t>(index)];
    const QPointF centre = badgeCentre(index);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    // A faint card behind the row, from the ordinal to the hint's end.
    const QRectF card(centre.x() - 62, button.top() - 4, frame().right() - 10 - (centre.x() - 62),
                      button.height() + 8);
    painter.setPen(QPen(withAlpha(m_palette.panelLine, 160), 1));
    painter.setBrush(withAlpha(m_palette.textBright, 9));
    painter.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);

    drawLine(painter, QRectF(card.left() + 6, card.top(), 40, card.height()), m_fonts.font(12),
             m_palette.textDim, Qt::AlignLeft | Qt::AlignVCenter,
             m_texts.ordinals[static_cast<size_t>(index)]);

    // The badge: a dark disc with a teal rim and the step's icon in light cyan.
    QRadialGradient disc(centre - QPointF(4, 5), kBadgeRadius * 1.4);
    disc.setColorAt(0, QColor(0x16, 0x3f, 0x58));
    disc.setColorAt(1, QColor(0x08, 0x1a, 0x29));
    painter.setPen(QPen(m_palette.teal, 1.4));
    painter.setBrush(disc);
    painter.drawEllipse(centre, kBadgeRadius, kBadgeRadius);
    const QRectF icon(centre.x() - 10, centre.y() - 10, 20, 20);
    switch (index) {
        case 0:
            paintPictureIcon(painter, icon, m_palette.cyan);
            break;
        case 1:
            paintMusicIcon(painter, icon, m_palette.cyan);
            break;
        case 2:
            paintGearIcon(painter, icon, m_palette.cyan);
            break;
        default:
            paintInstallIcon(painter, icon, m_palette.cyan);
            break;
    }

    // The title and the hint end 6 pixels inside the card.
    const double top = button.top() - 1;
    const double width = card.right() - 6 - kHintLeft;
    drawLine(painter, QRectF(kHintLeft, top, width, 16), m_fonts.font(13, true),
             m_palette.textBright, Qt::AlignLeft | Qt::AlignVCenter,
             m_texts.titles[static_cast<size_t>(index)]);
    drawLine(painter, QRectF(kHintLeft, top + 16, width, 14), m_fonts.font(11), m_palette.textDim,
             Qt::AlignLeft | Qt::AlignVCenter, m_texts.hints[static_cast<size_t>(index)]);
    painter.restore();
}

void WorkAreaPainter::paintFooter(QPainter& painter) const {
    const QRectF f = frame();
    const double left = dividerX() + 14;
    const double top = m_layout.steps[3].bottom() + 16;
    painter.save();
    QLinearGradient rule(left, 0, f.right() - 14, 0);
    rule.setColorAt(0, withAlpha(m_palette.panelLine, 0));
    rule.setColorAt(0.5, m_palette.panelLine);
    rule.setColorAt(1, withAlpha(m_palette.panelLine, 0));
    painter.fillRect(QRectF(left, top, f.right() - 14 - left, 1), rule);

    const QFont font = m_fonts.font(12);
    const QRectF lines(left, top + 8, f.right() - 14 - left, 18);
    drawLine(painter, lines, font, m_palette.textDim, Qt::AlignHCenter | Qt::AlignVCenter,
             m_texts.footer[0]);
    drawLine(painter, lines.translated(0, 20), font, m_palette.textDim,
             Qt::AlignHCenter | Qt::AlignVCenter, m_texts.footer[1]);
    painter.restore();
}

}  // namespace glint::assets
