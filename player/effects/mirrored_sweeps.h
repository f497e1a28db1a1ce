#pragma once

// The mirrored line sweeps: each pass paints two lines of the picture, mirrored about its middle
// or its edges, then makes one event pass.

#include "player/effects/stage.h"

namespace glint::player::effects {

void move2(Stage& stage);   // opens from the horizontal centre line, a row above and below
void move6(Stage& stage);   // opens from the vertical centre line, a column left and right
void move12(Stage& stage);  // closes in from the left and right edges, a column from each
void move14(Stage& stage);  // closes in from the top and bottom edges, a row from each

}  // namespace glint::player::effects
