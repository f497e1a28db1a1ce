#pragma once

// Small vector drawings shared by the background, the buttons and the icons. Each one fills the
// box it is given (keeping its own proportions, centred), so the same drawing serves at 16 pixels
// in the title strip and at 44 in the banner.

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace glint::assets {

// The program's mark: a rounded tile holding a photograph with a sparkle on its corner.
void paintAppGlyph(QPainter& painter, const QRectF& box);

// Step icons, drawn as outlines in one colour.
void paintPictureIcon(QPainter& painter, const QRectF& box, const QColor& colour);
void paintMusicIcon(QPainter& painter, const QRectF& box, const QColor& colour);
void paintGearIcon(QPainter& painter, const QRectF& box, const QColor& colour);
void paintInstallIcon(QPainter& painter, const QRectF& box, const QColor& colour);

// Where the glyph of a title-strip button (15 x 11) sits inside it: a centred 8 x 8 square, so the
// background and the button pictures draw it on the same pixels.
QRectF titleGlyphBox(const QRectF& button);

// Title-strip glyphs and arrows; `width` is the stroke width in pixels.
void paintCrossGlyph(QPainter& painter, const QRectF& box, const QColor& colour, double width);
void paintMinusGlyph(QPainter& painter, const QRectF& box, const QColor& colour, double width);
void paintDownArrow(QPainter& painter, const QRectF& box, const QColor& colour);

// A four-pointed star of light with a soft halo, `radius` to the tips of its long points.
void paintSparkle(QPainter& painter, QPointF centre, double radius, const QColor& colour);

}  // namespace glint::assets
