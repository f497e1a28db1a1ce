// What the X11 window leaves undrawn of its surface: only where a picture box paints every pixel.

#include <gtest/gtest.h>

#include "platform/form.h"
#include "platform/picture_box.h"
#include "platform/x11/control_painter.h"

namespace glint::platform::x11 {
namespace {

TEST(CoveredArea, OnlyAVisibleBoxWhosePictureHasNoHolesOrIsFilledCoversItsInside) {
    Form form("Form1", "");
    PictureBox box("Picture1");
    form.addControl(box);
    box.setPicture(Image(40, 30, rgb(200, 0, 0)));
    box.setLeft(150);
    box.setTop(300);
    const Rect clip{0, 0, 100, 100};
    const int b = box.borderPixels();  // inside the border
    EXPECT_EQ(ControlPainter::coveredWhole(form, clip), (Rect{10 + b, 20 + b, 40, 30}));
    EXPECT_EQ(ControlPainter::coveredWhole(form, {0, 0, 25, 25}),
              (Rect{10 + b, 20 + b, 15 - b, 5 - b}));

    Image holed(40, 30, rgb(200, 0, 0));
    holed.setPixel(5, 5, kNoColor);
    box.setPicture(holed);
    EXPECT_TRUE(ControlPainter::coveredWhole(form, clip).isEmpty());

    box.setPicture(Image(40, 30, rgb(200, 0, 0)));
    box.setVisible(false);
    EXPECT_TRUE(ControlPainter::coveredWhole(form, clip).isEmpty());
}

}  // namespace
}  // namespace glint::platform::x11
