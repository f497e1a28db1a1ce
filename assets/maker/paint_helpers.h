#pragma once

// Painting steps that the background, the buttons and the photograph all use.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <utility>
#include <vector>

#include "assets/common/gradient.h"

namespace glint::assets {

// The colour with this alpha (0 clear to 255 opaque).
inline QColor withAlpha(QColor colour, int alpha) {
    colour.setAlpha(alpha);
    return colour;
}

// An opaque picture of the given size at 96 dots per inch, filled with `fill`.
QImage newPicture(int width, int height, const QColor& fill);

// A glow that fades from `colour` at the centre to nothing at the ellipse's rim.
void softGlow(QPainter& painter, const QRectF& ellipse, const QColor& colour);

// Stops the generator when the font has no glyph for a character of the text, rather than let an
// empty box be painted into a picture.
void requireGlyphs(const QFont& font, const QString& text);

// The font, or the largest smaller size of it down to 9 pixels, in which the text's advance fits
// the width; stops the generator when even that is too wide, rather than let a word be cut off or
// run into its neighbours. A size made smaller is reported on stderr for the artwork's reviewer.
QFont fittedFont(const QFont& font, const QString& text, double width);

// One line of text in the box with the given alignment, in a size that fits the box's width.
void drawLine(QPainter& painter, const QRectF& box, const QFont& font, const QColor& colour,
              Qt::Alignment alignment, const QString& text);

// The advance of the text in the font, in pixels.
double textWidth(const QFont& font, const QString& text);

}  // namespace glint::assets
