#include "player/effects/sweep_frame.h"

namespace glint::player::effects {

SweepFrame centreForSweep(Stage& stage) {
    platform::PictureBox& box = stage.Picture1;
    box.setLeft((stage.screen.widthTwips() - box.width()) / 2);
    box.setTop((stage.screen.heightTwips() - box.height()) / 2);
    return {static_cast<float>(box.scaleWidth()), static_cast<float>(box.scaleHeight()),
            box.left() / platform::kTwipsPerPixel, box.top() / platform::kTwipsPerPixel};
}

void finishSweep(Stage& stage) {
    stage.events.hold();
    std::int16_t dtime = kDelayPasses;
    stage.delay(dtime);
}

}  // namespace glint::player::effects
