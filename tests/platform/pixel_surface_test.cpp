#include "platform/pixel_surface.h"

#include <gtest/gtest.h>

#include "platform/form.h"

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

TEST(PixelSurface, AFormSizedAgainShowsItsColourAndPictureOverWhatWasDrawnAsWhenNew) {
    Form form("Form", "form");
    form.setBackColor(rgb(0, 0, 7));
    form.setPicture(Image(2, 2, rgb(5, 5, 5)));
    for (const auto& [width, height] : {std::pair{6, 4}, {6, 4}, {8, 5}}) {
        SCOPED_TRACE(::testing::Message() << width << " x " << height);
        form.surface().setPixel(1, 1, rgb(9, 9, 9));
        form.surface().setPixel(3, 3, rgb(9, 9, 9));
        form.setClientSize(width, height);
        EXPECT_EQ(form.clientWidth(), width);
        EXPECT_EQ(form.clientHeight(), height);
        EXPECT_EQ(form.surface().pixel(1, 1), rgb(5, 5, 5));
        EXPECT_EQ(form.surface().pixel(3, 3), rgb(0, 0, 7));
        EXPECT_EQ(form.surface().pixel(width - 1, height - 1), rgb(0, 0, 7));
        const std::vector<Rect> dirty = form.surface().takeDirty();
        ASSERT_FALSE(dirty.empty());
        EXPECT_EQ(dirty.front(), (Rect{0, 0, width, height}));  // all of it goes to the screen
    }
}

}  // namespace
}  // namespace glint::platform
