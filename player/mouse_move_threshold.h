#pragma once

// The player window's mouse-move rule: the first event records the pointer position; a later one
// more than 1 twip away from it in X or Y is real movement. The recorded position never changes
// once set, and a recorded (0, 0) counts as not recorded.

namespace glint::player {

class MouseMoveThreshold {
public:
    // True when the event at (x, y) twips is real movement.
    bool isRealMovement(float x, float y);

private:
    float m_x = 0;
    float m_y = 0;
};

}  // namespace glint::player
