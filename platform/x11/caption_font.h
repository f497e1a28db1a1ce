#pragma once

namespace glint::platform::x11 {

// The caption's font size in pixels: the desktop's default font, 9 points, at the desktop's font
// resolution, so it keeps its physical size on a scaled screen while pictures keep theirs in
// device pixels.
inline double captionPixelSize(double dpi) {
    constexpr double kPoints = 9.0;
    constexpr double kPointsPerInch = 72.0;
    return kPoints * dpi / kPointsPerInch;
}

}  // namespace glint::platform::x11
