#include "player/effects/edge_sweeps.h"

#include "player/effects/sweep_frame.h"

namespace glint::player::effects {
namespace {

// Picture pixel (x, y) lands on window pixel (x + X0, y + Y0), each sum rounded. Both loops run
// to W and H inclusive, one beyond the picture's last column and row.
enum class Outer { Columns, Rows };

void edgeSweep(Stage& stage, Outer outer, bool backwards) {
    const auto [W, H, X0, Y0] = centreForSweep(stage);
    const int outerLast = static_cast<int>(outer == Outer::Columns ? W : H);
    const int innerLast = static_cast<int>(outer == Outer::Columns ? H : W);
    for (int a = 0; a <= outerLast; ++a) {
        const int o = backwards ? outerLast - a : a;
        for (int b = 0; b <= innerLast; ++b) {
            const int i = backwards ? innerLast - b : b;
            const int x = outer == Outer::Columns ? o : i;
            const int y = outer == Outer::Columns ? i : o;
            copyPixel(stage, x, y, x + X0, y + Y0);
        }
        stage.events.pacedEventPass();
    }
    finishSweep(stage);
}

}  // namespace

void move5(Stage& stage) { edgeSweep(stage, Outer::Columns, true); }

void move7(Stage& stage) { edgeSweep(stage, Outer::Columns, false); }

void move8(Stage& stage) { edgeSweep(stage, Outer::Rows, false); }

void move10(Stage& stage) { edgeSweep(stage, Outer::Rows, true); }

}  // namespace glint::player::effects
