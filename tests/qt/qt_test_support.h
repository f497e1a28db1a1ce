#pragma once

// What the Qt tests share: letting the event loop run for a while, and looking at what a window
// has really put on the screen.

#include <QImage>
#include <QWidget>

#include "platform/image.h"

namespace glint::testing {

// Runs Qt's event loop for this long.
void runEventsFor(int ms);

// The window's content as it was last flushed to the screen (not painted afresh).
QImage onScreen(const QWidget& window);

platform::Rgb colorAt(const QImage& image, int x, int y);

// Whether two colours differ by at most tolerance in each channel (pictures that went through
// JPEG are not exact).
bool near(platform::Rgb a, platform::Rgb b, int tolerance);

}  // namespace glint::testing
