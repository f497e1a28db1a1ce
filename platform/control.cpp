#include "platform/control.h"

namespace glint::platform {

void Control::setLeft(float twips) {
    m_rect.x = roundHalfEven(static_cast<double>(twips) / kTwipsPerPixel);
}

void Control::setTop(float twips) {
    m_rect.y = roundHalfEven(static_cast<double>(twips) / kTwipsPerPixel);
}

}  // namespace glint::platform
