#include "player/effects/effect_table.h"

#include "player/effects/edge_sweeps.h"
#include "player/effects/mirrored_sweeps.h"
#include "player/effects/slide_in_starters.h"

namespace glint::player::effects {

void runEffect(int number, Stage& stage) {
    switch (number) {
        case 0: move1(stage); break;
        case 1: move2(stage); break;
        case 2: move3(stage); break;
        case 3: move4(stage); break;
        case 4: move5(stage); break;
        case 5: move6(stage); break;
        case 6: move7(stage); break;
        case 7: move8(stage); break;
        case 8: move9(stage); break;
        case 9: move10(stage); break;
        case 10: move11(stage); break;
        case 11: move12(stage); break;
        case 12: move13(stage); break;
        case 13: move14(stage); break;
        default: break;
    }
}

}  // namespace glint::player::effects
