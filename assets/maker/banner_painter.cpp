#include "banner_painter.h"

#include <QLinearGradient>
#include <QPainterPath>

#include "glyphs.h"
#include "paint_helpers.h"

namespace glint::assets {

BannerPainter::BannerPainter(const Palette& palette, const WindowLayout& layout,
                             const ArtFonts& fonts, const ArtTexts& texts)
    : m_palette(palette), m_layout(layout), m_fonts(fonts), m_texts(texts) {}

void BannerPainter::paint(QPainter& painter) const {
    const double width = m_layout.window.width();
    const double top = m_layout.titleHeight;
    const double bottom = m_layout.bannerBottom;
    fillVertical(painter, QRectF(0, top, width, bottom - top),
                 {{0, m_palette.bannerTop}, {1, m_palette.bannerBottom}});
    paintBannerLight(painter);
    paintTitleStrip(painter);
    paintName(painter);
    paintVersionTag(painter);

    // The banner's lower edge: a teal rule that fades out towards both sides.
    QLinearGradient rule(0, 0, width, 0);
    rule.setColorAt(0, withAlpha(m_palette.teal, 0));
    rule.setColorAt(0.25, withAlpha(m_palette.teal, 200));
    rule.setColorAt(0.75, withAlpha(m_palette.teal, 200));
    rule.setColorAt(1, withAlpha(m_palette.teal, 0));
    painter.fillRect(QRectF(0, bottom, width, 1), rule);
}

void BannerPainter::paintTitleStrip(QPainter& painter) const {
    const double width = m_layout.window.width();
    const double height = m_layout.titleHeight;
    fillVertical(painter, QRectF(0, 0, width, height),
                 {{0, m_palette.titleTop}, {1, m_palette.titleBottom}});
    painter.fillRect(QRectF(0, 0, width, 1), withAlpha(m_palette.cyan, 40));
    painter.fillRect(QRectF(0, height - 1, width, 1), m_palette.panelLine);

    paintAppGlyph(painter, QRectF(8, 6, 16, 16));
    drawLine(painter, QRectF(30, 0, 300, height - 1), m_fonts.font(12), m_palette.textSoft,
             Qt::AlignLeft | Qt::AlignVCenter, m_texts.title);
}

void BannerPainter::paintBannerLight(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double top = m_layout.titleHeight;
    const double bottom = m_layout.bannerBottom;
    painter.setClipRect(QRectF(0, top, m_layout.window.width(), bottom - top));

    softGlow(painter, QRectF(-60, top - 40, 420, 150), withAlpha(m_palette.teal, 70));
    softGlow(painter, QRectF(420, top - 30, 320, 110), withAlpha(m_palette.teal, 38));

    // Two ribbons of light sweeping across the banner, like a long exposure of a moving lamp.
    struct Ribbon {
        QPointF from, c1, c2, to;
        double width;
        int alpha;
    };
    const Ribbon ribbons[] = {
        {{180, 96}, {330, 30}, {470, 112}, {720, 34}, 1.4, 90},
        {{140, 100}, {310, 46}, {500, 118}, {720, 52}, 0.8, 60},
        {{260, 100}, {380, 62}, {560, 96}, {720, 70}, 0.6, 45},
    };
    for (const Ribbon& ribbon : ribbons) {
        QPainterPath path(ribbon.from);
        path.cubicTo(ribbon.c1, ribbon.c2, ribbon.to);
        for (int pass = 0; pass < 3; ++pass) {
            // A wide faint stroke under a narrow bright one gives the ribbon a glow.
            const double widen = (2 - pass) * 2.5;
            painter.setPen(QPen(withAlpha(m_palette.cyan, ribbon.alpha / (3 - pass)),
                                ribbon.width + widen, Qt::SolidLine, Qt::RoundCap));
            painter.drawPath(path);
        }
    }

    // Sparkles, kept clear of the name, the version tag and the controls on the right.
    paintSparkle(painter, QPointF(330, 44), 7, withAlpha(m_palette.textBright, 220));
    paintSparkle(painter, QPointF(352, 70), 4, withAlpha(m_palette.cyan, 200));
    paintSparkle(painter, QPointF(431, 38), 5, withAlpha(m_palette.yellow, 200));
    paintSparkle(painter, QPointF(458, 78), 3, withAlpha(m_palette.textBright, 180));
    paintSparkle(painter, QPointF(632, 42), 3, withAlpha(m_palette.cyan, 180));
    painter.restore();
}

void BannerPainter::paintName(QPainter& painter) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintAppGlyph(painter, QRectF(16, 40, 44, 44));

    const QFont tagline = m_fonts.font(11);
    // Ending clear of the sparkle at x = 330.
    drawLine(painter, QRectF(70, 36, 250, 14), tagline, m_palette.textDim,
             Qt::AlignLeft | Qt::AlignVCenter, m_texts.tagline);

    // The wordmark, filled with a gradient from white to the theme's cyan.
    const QFont mark = m_fonts.font(32, true);
    const double baseline = 82;
    requireGlyphs(mark, QStringLiteral("Glint"));
    QPainterPath word;
    word.addText(QPointF(68, baseline), mark, QStringLiteral("Glint"));
    QLinearGradient shine(0, baseline - 26, 0, baseline);
    shine.setColorAt(0, m_palette.textBright);
    shine.setColorAt(1, m_palette.cyan);
    painter.fillPath(word.translated(1, 1), withAlpha(Qt::black, 150));
    painter.fillPath(word, shine);

    // The name ends at least 6 pixels before the version tag.
    const double nameLeft = 68 + word.boundingRect().width() + 12;
    const double tagLeft = m_layout.version.left() - 4;
    const QFont name =
        fittedFont(m_fonts.font(22, true), m_texts.productName, tagLeft - 6 - nameLeft);
    requireGlyphs(name, m_texts.productName);
    QPainterPath title;
    title.addText(QPointF(nameLeft, baseline - 1), name, m_texts.productName);
    painter.fillPath(title.translated(1, 1), withAlpha(Qt::black, 150));
    painter.fillPath(title, m_palette.textBright);
    painter.restore();
}

void BannerPainter::paintVersionTag(QPainter& painter) const {
    // The version label paints a black box the size of its text; the tag around it is black too,
    // with a thin rim, so the box disappears into it.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tag = QRectF(m_layout.version).adjusted(-4, -3, 4, 3);
    painter.setPen(QPen(withAlpha(m_palette.teal, 170), 1));
    painter.setBrush(m_palette.labelBand);
    painter.drawRoundedRect(tag.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
    painter.restore();
}

}  // namespace glint::assets
