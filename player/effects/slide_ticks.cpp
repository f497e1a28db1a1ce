#include "player/effects/slide_ticks.h"

#include <exception>

namespace glint::player::effects {
namespace {

enum class Axis { Horizontal, Vertical };

// One tick. The move runs skip-on-failure: a position no pixel can hold is skipped, and the tick
// goes on with the end test. The end test and the hand-back steps cannot fail.
void slideTick(Stage& stage, platform::Timer& ownTimer, Axis axis, float step) {
    platform::PictureBox& box = stage.Picture1;
    const bool horizontal = axis == Axis::Horizontal;
    try {
        if (horizontal) {
            box.setLeft(box.left() + step);
        } else {
            box.setTop(box.top() + step);
        }
    } catch (const std::exception&) {
    }
    const float centre = horizontal ? (stage.screen.widthTwips() - box.width()) / 2
                                    : (stage.screen.heightTwips() - box.height()) / 2;
    const float position = horizontal ? box.left() : box.top();
    const bool reached = step > 0 ? position >= centre : position <= centre;
    if (!reached) return;
    stage.events.hold();
    ownTimer.setEnabled(false);
    box.setVisible(false);
    stage.Timer1.setEnabled(true);
    std::int16_t dtime = kDelayPasses;
    stage.delay(dtime);
}

}  // namespace

void Timermove7_Timer(Stage& stage) {
    slideTick(stage, stage.Timermove7, Axis::Vertical, kSlideStepTwips);
}

void Timermove8_Timer(Stage& stage) {
    slideTick(stage, stage.Timermove8, Axis::Horizontal, kSlideStepTwips);
}

void Timermove9_Timer(Stage& stage) {
    slideTick(stage, stage.Timermove9, Axis::Vertical, -kSlideStepTwips);
}

void Timermove10_Timer(Stage& stage) {
    slideTick(stage, stage.Timermove10, Axis::Horizontal, -kSlideStepTwips);
}

}  // namespace glint::player::effects
