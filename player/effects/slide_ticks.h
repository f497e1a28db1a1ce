#pragma once

// The move timers' ticks: each moves Picture1 100 twips towards the centre of the screen; the
// tick that brings it to or past the centre holds the picture, stops its own timer, hides the
// box, starts Timer1 again and hands back to the slide cycle.

#include "player/effects/stage.h"

namespace glint::player::effects {

// How far a box moves a tick, in twips.
inline constexpr float kSlideStepTwips = 100;

void Timermove7_Timer(Stage& stage);   // downwards, from the top edge
void Timermove8_Timer(Stage& stage);   // rightwards, from the left edge
void Timermove9_Timer(Stage& stage);   // upwards, from the bottom edge
void Timermove10_Timer(Stage& stage);  // leftwards, from the right edge

}  // namespace glint::player::effects
