#include "assets/common/gradient.h"

#include <QLinearGradient>

namespace glint::assets {

void fillVertical(QPainter& painter, const QRectF& rect, const GradientStops& stops) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    for (const auto& [position, colour] : stops) gradient.setColorAt(position, colour);
    painter.fillRect(rect, gradient);
}

}  // namespace glint::assets
