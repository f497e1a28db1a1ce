#pragma once

// Vertical colour gradients, the sky and panel fills both generators paint with.

#include <QColor>
#include <QPainter>
#include <QRectF>
#include <utility>
#include <vector>

namespace glint::assets {

// Positions from 0 (top) to 1 (bottom), each with its colour.
using GradientStops = std::vector<std::pair<double, QColor>>;

void fillVertical(QPainter& painter, const QRectF& rect, const GradientStops& stops);

}  // namespace glint::assets
