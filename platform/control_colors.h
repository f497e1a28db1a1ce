#pragma once

#include "platform/image.h"

namespace glint::platform {

// The colours a window system draws its controls' chrome in, the same for every backend.
struct ControlColors {
    // The fixed single border of a picture box: two sunken rings, outer then inner, each with
    // its top-left and bottom-right colour.
    static constexpr Rgb kOuterShadow = 0x808080;
    static constexpr Rgb kOuterLight = 0xFFFFFF;
    static constexpr Rgb kInnerShadow = 0x404040;
    static constexpr Rgb kInnerLight = 0xD4D0C8;
    // What shows inside a box where it has no picture.
    static constexpr Rgb kBoxBackground = 0xD4D0C8;
    // A frame's etched line: a shadow with a light line beside it, and its caption's colour.
    static constexpr Rgb kFrameShadow = 0xA0A0A0;
    static constexpr Rgb kFrameLight = 0xFFFFFF;
    static constexpr Rgb kFrameText = 0x000000;
};

}  // namespace glint::platform
