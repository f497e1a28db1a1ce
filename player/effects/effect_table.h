#pragma once

#include "player/effects/stage.h"

namespace glint::player::effects {

// Runs the effect with this number: number n runs move(n + 1). Any other number runs nothing.
void runEffect(int number, Stage& stage);

}  // namespace glint::player::effects
