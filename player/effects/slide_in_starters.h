#pragma once

// The slide-in starters: each places Picture1 just outside one screen edge, centred along it,
// shows it, stops Timer1 and starts the move timer whose ticks carry the slide through.

#include "player/effects/stage.h"

namespace glint::player::effects {

void move1(Stage& stage);   // from the left edge, Timermove8
void move3(Stage& stage);   // from the top edge, Timermove7
void move4(Stage& stage);   // from the bottom edge, Timermove9
void move9(Stage& stage);   // from the right edge, Timermove10
void move11(Stage& stage);  // as move3
void move13(Stage& stage);  // as move9

}  // namespace glint::player::effects
