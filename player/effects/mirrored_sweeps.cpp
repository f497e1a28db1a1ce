#include "player/effects/mirrored_sweeps.h"

#include "player/effects/sweep_frame.h"

namespace glint::player::effects {

// The outer counter runs while it does not exceed its bound; a bound of H / 2 or W / 2 is a half
// for an odd size, so the last pass is then its whole part. The inner counter runs to W or H
// inclusive, one beyond the picture's last pixel.

void move2(Stage& stage) {
    const auto [W, H, L, T] = centreForSweep(stage);
    for (int j = 0; j <= H / 2; ++j) {
        for (int x = 0; x <= W; ++x) {
            copyPixel(stage, x, H / 2 - j, L + x, T + H / 2 - j);
            copyPixel(stage, x, H / 2 + j, L + x, T + H / 2 + j);
        }
        stage.events.pacedEventPass();
    }
    finishSweep(stage);
}

void move6(Stage& stage) {
    const auto [W, H, L, T] = centreForSweep(stage);
    for (int i = 0; i <= W / 2; ++i) {
        for (int y = 0; y <= H; ++y) {
            copyPixel(stage, W / 2 - i, y, L + W / 2 - i, T + y);
            copyPixel(stage, W / 2 + i, y, L + W / 2 + i, T + y);
        }
        stage.events.pacedEventPass();
    }
    finishSweep(stage);
}

void move12(Stage& stage) {
    const auto [W, H, L, T] = centreForSweep(stage);
    for (int i = 0; i <= W / 2; ++i) {
        for (int y = 0; y <= H; ++y) {
            copyPixel(stage, i, y, L + i, T + y);
            copyPixel(stage, W - i, y, L + W - i, T + y);
        }
        stage.events.pacedEventPass();
    }
    finishSweep(stage);
}

void move14(Stage& stage) {
    const auto [W, H, L, T] = centreForSweep(stage);
    for (int j = 0; j <= H / 2; ++j) {
        for (int x = 0; x <= W; ++x) {
            copyPixel(stage, x, j, L + x, T + j);
            copyPixel(stage, x, H - j, L + x, T + H - j);
        }
        stage.events.pacedEventPass();
    }
    finishSweep(stage);
}

}  // namespace glint::player::effects
