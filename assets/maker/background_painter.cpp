#include "background_painter.h"

#include <QPainter>

#include "banner_painter.h"
#include "glyphs.h"
#include "paint_helpers.h"
#include "work_area_painter.h"

namespace glint::assets {

BackgroundPainter::BackgroundPainter(const Palette& palette, const WindowLayout& layout,
                                     const ArtFonts& fonts, const ArtTexts& texts)
    : m_palette(palette), m_layout(layout), m_fonts(fonts), m_texts(texts) {}

QImage BackgroundPainter::paintBare() const {
    QImage picture = newPicture(m_layout.window.width(), m_layout.window.height(), Qt::black);
    QPainter painter(&picture);
    WorkAreaPainter(m_palette, m_layout, m_fonts, m_texts).paint(painter);
    BannerPainter(m_palette, m_layout, m_fonts, m_texts).paint(painter);

    // The window has no system frame: a one-pixel edge keeps it apart from what lies behind.
    painter.setPen(m_palette.windowEdge);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(QPoint(0, 0), m_layout.window - QSize(1, 1)));
    return picture;
}

QImage BackgroundPainter::paintFinished(const QImage& bare) const {
    QImage picture = bare.copy();
    QPainter painter(&picture);
    paintMinusGlyph(painter, titleGlyphBox(m_layout.minimise), m_palette.textSoft, 1.6);
    paintCrossGlyph(painter, titleGlyphBox(m_layout.close), m_palette.textSoft, 1.6);
    return picture;
}

}  // namespace glint::assets
