#include "player/mouse_move_threshold.h"

#include <cmath>

namespace glint::player {

bool MouseMoveThreshold::isRealMovement(float x, float y) {
    if (m_x == 0 && m_y == 0) {
        m_x = x;
        m_y = y;
        return false;
    }
    return std::fabs(y - m_y) > 1 || std::fabs(x - m_x) > 1;
}

}  // namespace glint::player
