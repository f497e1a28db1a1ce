#pragma once

// What every pixel sweep shares: centring the hidden box, the values read from it once, the
// single-pixel copy with its rounding, and the end (hold, then delay).

#include "platform/twips.h"
#include "player/effects/stage.h"

namespace glint::player::effects {

// W, H: the picture's size in pixels. L, T: the box's left and top edge in screen pixels
// (Left / 15, Top / 15). All single precision, read once at the start of a sweep.
struct SweepFrame {
    float W;
    float H;
    float L;
    float T;
};

// Centres the hidden box on the screen (single precision, not rounded) and reads the frame back
// from it.
SweepFrame centreForSweep(Stage& stage);

// Copies the picture's pixel (sx, sy) to the window's pixel (dx, dy). Each coordinate is rounded
// as a whole expression, to the nearest pixel with ties to even. A read outside the picture gives
// no colour, and writing no colour paints nothing.
inline void copyPixel(Stage& stage, float sx, float sy, float dx, float dy) {
    const platform::Rgb color =
        stage.Picture1.picture().pixel(platform::roundHalfEven(sx), platform::roundHalfEven(sy));
    stage.surface.setPixel(platform::roundHalfEven(dx), platform::roundHalfEven(dy), color);
}

// Holds the finished picture, then hands back to the slide cycle.
void finishSweep(Stage& stage);

}  // namespace glint::player::effects
