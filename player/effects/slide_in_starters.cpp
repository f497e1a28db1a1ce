#include "player/effects/slide_in_starters.h"

namespace glint::player::effects {
namespace {

// Positions first and shows after, so the box never appears where it stood before; Timer1 stops
// before the move timer starts, so the two never run at once. Positions are single precision,
// computed from the sizes of the picture just loaded.
void startSlide(Stage& stage, float left, float top, platform::Timer& moveTimer) {
    stage.Picture1.setLeft(left);
    stage.Picture1.setTop(top);
    stage.Picture1.setVisible(true);
    stage.Timer1.setEnabled(false);
    moveTimer.setEnabled(true);
}

float centredLeft(const Stage& stage) {
    return (stage.screen.widthTwips() - stage.Picture1.width()) / 2;
}

float centredTop(const Stage& stage) {
    return (stage.screen.heightTwips() - stage.Picture1.height()) / 2;
}

}  // namespace

void move1(Stage& stage) {
    startSlide(stage, -stage.Picture1.width(), centredTop(stage), stage.Timermove8);
}

void move3(Stage& stage) {
    startSlide(stage, centredLeft(stage), -stage.Picture1.height(), stage.Timermove7);
}

void move4(Stage& stage) {
    startSlide(stage, centredLeft(stage), stage.screen.heightTwips(), stage.Timermove9);
}

void move9(Stage& stage) {
    startSlide(stage, stage.screen.widthTwips(), centredTop(stage), stage.Timermove10);
}

void move11(Stage& stage) { move3(stage); }

void move13(Stage& stage) { move9(stage); }

}  // namespace glint::player::effects
