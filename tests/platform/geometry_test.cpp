#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "platform/picture_box.h"
#include "platform/twips.h"

namespace glint::platform {
namespace {

TEST(Geometry, RoundingGoesToTheNearestPixelWithTiesToEven) {
    EXPECT_EQ(roundHalfEven(104.5), 104);
    EXPECT_EQ(roundHalfEven(105.5), 106);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_THROW(roundHalfEven(NAN), std::overflow_error);
    EXPECT_THROW(roundHalfEven(3e9), std::overflow_error);
    EXPECT_EQ(toInt16(13.0), 13);
    EXPECT_THROW(toInt16(32768.0), std::overflow_error);
}

TEST(Geometry, AControlKeepsItsPositionOnWholePixels) {
    PictureBox box("box");
    box.setLeft(1687.5f);  // 112.5 pixels: the tie goes to 112
    EXPECT_EQ(box.left(), 1680.0f);
    box.setLeft(1702.5f);  // 113.5 pixels: the tie goes to 114
    EXPECT_EQ(box.left(), 1710.0f);
    box.setTop(-12000.0f);
    box.setTop(box.top() + 100);  // -793.33 pixels
    EXPECT_EQ(box.top(), -11895.0f);
    box.setTop(box.top() + 100);  // a step of 100 twips moves 7 pixels
    EXPECT_EQ(box.top(), -11790.0f);
}

TEST(Geometry, APictureBoxTakesThePictureSizePlusItsBorder) {
    PictureBox box("box");
    box.setPicture(Image(800, 600));
    EXPECT_EQ(box.scaleWidth(), 800);
    EXPECT_EQ(box.scaleHeight(), 600);
    EXPECT_EQ(box.width(), 804.0f * 15);
    EXPECT_EQ(box.height(), 604.0f * 15);
    // Emptying the box keeps its size; its pixels then read as no colour.
    box.setPicture(Image());
    EXPECT_EQ(box.scaleWidth(), 800);
    EXPECT_EQ(box.picture().pixel(0, 0), kNoColor);
}

TEST(Geometry, APixelReadOutsideThePictureGivesNoColour) {
    Image image(3, 2, rgb(1, 2, 3));
    EXPECT_EQ(image.pixel(2, 1), rgb(1, 2, 3));
    EXPECT_EQ(image.pixel(3, 0), kNoColor);
    EXPECT_EQ(image.pixel(0, 2), kNoColor);
    EXPECT_EQ(image.pixel(-1, 0), kNoColor);
}

}  // namespace
}  // namespace glint::platform
