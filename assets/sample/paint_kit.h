#pragma once

// Brushes shared by the sample pictures. Every coordinate is in pixels of the picture painted;
// every random choice comes from the SeededRandom passed in, so a picture is a pure function of its
// size and seed.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <cstdint>
#include <utility>
#include <vector>

#include "assets/common/gradient.h"
#include "assets/common/seeded_random.h"

namespace glint::assets {

// An opaque picture to paint on, filled black.
QImage newCanvas(QSize size);

// An ellipse whose colour fades from full at the centre to nothing at its rim: glows, haze, clouds.
void softEllipse(QPainter& painter, const QRectF& rect, const QColor& colour);

// A heaped cloud of soft puffs, flat at the bottom, about `width` wide with its base on `base`.
void drawCloud(QPainter& painter, QPointF base, double width, const QColor& light,
               const QColor& shade, SeededRandom& random);

// A ridge line from x = left to x = right through the given anchor heights (evenly spaced), made
// rough by midpoint displacement: each halving adds up to `roughness` times the segment's length.
std::vector<QPointF> ridgeLine(double left, double right, const std::vector<double>& anchors,
                               double roughness, int levels, SeededRandom& random);

// The area below a ridge line down to y = bottom, as a closed path.
QPainterPath areaBelow(const std::vector<QPointF>& ridge, double bottom);

// A fir tree's silhouette standing on `foot`, `height` tall.
void drawFir(QPainter& painter, QPointF foot, double height, const QColor& colour);

// Mirrors the rows above `waterline` into the rows below it, rippled and pulled towards `water`
// by `tint` (0 keeps the mirror image, 1 gives plain water).
void reflectBelow(QImage& image, int waterline, const QColor& water, double tint,
                  SeededRandom& random);

// Adds film grain of up to +-amount per channel, the same on every run for the same seed.
void addGrain(QImage& image, std::uint64_t seed, int amount);

}  // namespace glint::assets
