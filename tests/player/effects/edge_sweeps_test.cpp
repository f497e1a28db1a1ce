#include "player/effects/edge_sweeps.h"

#include <gtest/gtest.h>

#include "player/effects/sweep_frame.h"
#include "tests/player/effects/effect_fixture.h"

namespace glint::player::effects {
namespace {

using platform::Image;
using platform::kNoColor;
using platform::PixelWrite;
using testing::gridPicture;

class EdgeSweep : public testing::EffectFixture {
protected:
    EdgeSweep() : EffectFixture(64, 64) {}
    // Picture 3 x 2 in a box 7 x 6 pixels: centred at L = 28.5 -> 28 and T = 29.
    const Image picture = gridPicture(3, 2);
    void SetUp() override {
        EffectFixture::SetUp();
        loadPicture(picture);
        recordWrites();
    }
    PixelWrite from(int x, int y) const { return {28 + x, 29 + y, picture.pixel(x, y)}; }
};

TEST_F(EdgeSweep, ColumnsFromTheRightBuildUpBottomUpFromOneBeyondTheCorner) {
    move5(stage());
    ASSERT_EQ(writes.size(), 4u * 3);
    EXPECT_EQ(writes.front(), from(3, 2));
    EXPECT_EQ(writes.front().color, kNoColor);
    EXPECT_EQ(writes[1], from(3, 1));
    EXPECT_EQ(writes[3], from(2, 2));
    EXPECT_EQ(writes.back(), from(0, 0));
    EXPECT_EQ(h.runtime.passes(), 4);
}

TEST_F(EdgeSweep, ColumnsFromTheLeftBuildUpTopDown) {
    move7(stage());
    ASSERT_EQ(writes.size(), 12u);
    EXPECT_EQ(writes[0], from(0, 0));
    EXPECT_EQ(writes[1], from(0, 1));
    EXPECT_EQ(writes[3], from(1, 0));
    EXPECT_EQ(writes.back(), from(3, 2));
    EXPECT_EQ(h.runtime.passes(), 4);
}

TEST_F(EdgeSweep, RowsFromTheTopBuildUpLeftToRight) {
    move8(stage());
    ASSERT_EQ(writes.size(), 12u);
    EXPECT_EQ(writes[0], from(0, 0));
    EXPECT_EQ(writes[1], from(1, 0));
    EXPECT_EQ(writes[4], from(0, 1));
    EXPECT_EQ(h.runtime.passes(), 3);
}

TEST_F(EdgeSweep, RowsFromTheBottomBuildUpRightToLeft) {
    move10(stage());
    ASSERT_EQ(writes.size(), 12u);
    EXPECT_EQ(writes[0], from(3, 2));
    EXPECT_EQ(writes[1], from(2, 2));
    EXPECT_EQ(writes[4], from(3, 1));
    EXPECT_EQ(writes.back(), from(0, 0));
    EXPECT_EQ(h.runtime.passes(), 3);
}

TEST_F(EdgeSweep, TheSweptPictureLandsOnTheBoxCornerPixelForPixel) {
    move7(stage());
    const platform::PixelSurface& screen = form().surface();
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) EXPECT_EQ(screen.pixel(28 + x, 29 + y), picture.pixel(x, y));
    }
    // Column 3 and row 2 lie beyond the picture: nothing is painted there.
    EXPECT_EQ(screen.pixel(31, 29), platform::rgb(0, 0, 0));
    EXPECT_EQ(screen.pixel(28, 31), platform::rgb(0, 0, 0));
    EXPECT_EQ(form().Picture1.pixelRect().x, 28);
    ASSERT_EQ(handBacks.size(), 1u);
    EXPECT_TRUE(handBacks[0].timer1Enabled);
    EXPECT_FALSE(handBacks[0].boxVisible);
    EXPECT_EQ(handBacks[0].holds, 1);
}

TEST_F(EdgeSweep, AHalfPixelOffsetSendsTwoColumnsToOneAndLeavesItsNeighbourUnwritten) {
    for (int x = 0; x < 3; ++x) copyPixel(stage(), x, 0, x + 104.5f, 0);
    EXPECT_EQ(writes, (std::vector<PixelWrite>{{104, 0, picture.pixel(0, 0)},
                                               {106, 0, picture.pixel(1, 0)},
                                               {106, 0, picture.pixel(2, 0)}}));
}

}  // namespace
}  // namespace glint::player::effects
