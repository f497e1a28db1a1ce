#pragma once

class QScreen;
class QFont;

namespace glint::platform::qt {

// How a program's windows meet scaled (HiDPI) screens.
enum class ScreenUse {
    // Scaled as a whole by the desktop's scale factor, as every program window is: the logic's
    // pixels are the desktop's logical pixels.
    Scaled,
    // The show: the logic's pixels are the screen's device pixels, a picture's pixel is one of
    // them, and the text keeps its physical size. Every other monitor is covered while it runs.
    Show,
};

// Device pixels per pixel of the logic on the primary screen: its scale factor for the show, 1
// for programs scaled as a whole.
double logicPixelRatio(ScreenUse use);
double logicPixelRatio(ScreenUse use, const QScreen* screen);

// The application's default font at the size that keeps text physically as large in the logic's
// pixels as the desktop shows it.
QFont logicFont(ScreenUse use);

}  // namespace glint::platform::qt
