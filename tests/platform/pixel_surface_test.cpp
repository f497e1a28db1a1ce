#include "platform/pixel_surface.h"

#include <gtest/gtest.h>

namespace glint::platform {
namespace {

TEST(PixelSurface, WritesOutsideTheSurfaceOrWithoutColourPaintNothingButAreRecorded) {
    PixelSurface surface;
    surface.resize(4, 3, rgb(0, 0, 0));
    std::vector<PixelWrite> log;
    surface.recordWritesInto(&log);
    surface.setPixel(1, 1, rgb(9, 9, 9));
    surface.setPixel(-1, 0, rgb(9, 9, 9));
    surface.setPixel(4, 0, rgb(9, 9, 9));
    surface.setPixel(2, 2, kNoColor);
    EXPECT_EQ(surface.pixel(1, 1), rgb(9, 9, 9));
    EXPECT_EQ(surface.pixel(2, 2), rgb(0, 0, 0));
    EXPECT_EQ(log.size(), 4u);
    EXPECT_EQ(log[3], (PixelWrite{2, 2, kNoColor}));
}

TEST(PixelSurface, RefreshPaintsEverythingOverAndMarksItDirty) {
    PixelSurface surface;
    surface.resize(4, 3, rgb(0, 0, 0));
    surface.takeDirty();
    surface.setPixel(1, 1, rgb(9, 9, 9));
    surface.fill(rgb(1, 1, 1));
    EXPECT_EQ(surface.pixel(1, 1), rgb(1, 1, 1));
    EXPECT_EQ(surface.takeDirty(), (std::vector<Rect>{{0, 0, 4, 3}}));
}

TEST(PixelSurface, TwoColumnsFarApartStayTwoSmallDirtyRegions) {
    PixelSurface surface;
    surface.resize(100, 50, 0);
    surface.takeDirty();
    for (int y = 0; y < 50; ++y) {
        surface.setPixel(10, y, 1);
        surface.setPixel(90, y, 1);
    }
    EXPECT_EQ(surface.takeDirty(), (std::vector<Rect>{{10, 0, 1, 50}, {90, 0, 1, 50}}));
    EXPECT_TRUE(surface.takeDirty().empty());
}

}  // namespace
}  // namespace glint::platform
