#pragma once

// What the Qt tests share: letting the event loop run for a while, and looking at what a window
// has really put on the screen.

#include <QByteArray>
#include <QImage>
#include <QWidget>
#include <functional>
#include <string>

class QFileDialog;

#include "platform/image.h"

namespace glint::testing {

// Runs Qt's event loop for this long.
void runEventsFor(int ms);

// The window's content as it was last flushed to the screen (not painted afresh).
QImage onScreen(const QWidget& window);

platform::Rgb colorAt(const QImage& image, int x, int y);

// Runs the action on the first window that find returns (polled from the event loop), once:
// the way to act in a modal dialog or a pop-up menu from inside the loop that waits for it. The
// action must end the dialog or menu whatever it finds (so it checks with EXPECT, not ASSERT).
// When no window appears within a few seconds, the test fails.
void actOn(std::function<QWidget*()> find, std::function<void(QWidget&)> action);
// The same for the modal window (dialog or message box) that takes the input.
void actOnModal(std::function<void(QWidget&)> action);

// Types the path into the file dialog's name box and presses Enter, as a user does.
void typeFileName(QFileDialog& dialog, const std::string& path);

// Whether two colours differ by at most tolerance in each channel (pictures that went through
// JPEG are not exact).
bool near(platform::Rgb a, platform::Rgb b, int tolerance);

// A JPEG stored as width x height, left half red and right half blue, carrying the EXIF
// orientation of a phone held upright ("turn a quarter clockwise"): shown upright it is
// height x width, red on top.
QByteArray uprightPhoneJpeg(int width, int height);

}  // namespace glint::testing
