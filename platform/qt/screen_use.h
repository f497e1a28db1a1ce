#pragma once

class QScreen;

namespace glint::platform::qt {

// Which pixels a screen is measured in on scaled (HiDPI) screens.
enum class ScreenUse {
    // The desktop's logical pixels: the authoring program's windows are scaled as a whole by the
    // desktop's scale factor, as every program window is.
    Scaled,
    // The screen's device pixels, the ones the player shows a picture's pixels in: the authoring
    // program fits a show's pictures to them.
    Show,
};

// Device pixels per pixel of the given use on the screen: its scale factor for the show, 1 for
// the scaled windows and without a screen.
double logicPixelRatio(ScreenUse use, const QScreen* screen);

}  // namespace glint::platform::qt
