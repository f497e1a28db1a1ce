#pragma once

// The edge-to-edge sweeps: the picture is copied pixel by pixel from one edge to the opposite
// one, a column or a row a pass, with one event pass after each.

#include "player/effects/stage.h"

namespace glint::player::effects {

void move5(Stage& stage);   // columns from the right edge leftwards, each from the bottom up
void move7(Stage& stage);   // columns from the left edge rightwards, each from the top down
void move8(Stage& stage);   // rows from the top edge downwards, each from left to right
void move10(Stage& stage);  // rows from the bottom edge upwards, each from right to left

}  // namespace glint::player::effects
