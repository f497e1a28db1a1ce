#include "player/effects/mirrored_sweeps.h"

#include <gtest/gtest.h>

#include <array>

#include "tests/player/effects/effect_fixture.h"

namespace glint::player::effects {
namespace {

using platform::Image;
using platform::PixelWrite;
using testing::gridPicture;

// One pass: the source and destination line of the first copy, then of the second.
using Pass = std::array<int, 4>;

// The writes of row passes: along each row x runs 0..W, both copies at each x.
std::vector<PixelWrite> rowPasses(const Image& picture, int L, const std::vector<Pass>& passes) {
    std::vector<PixelWrite> writes;
    for (const Pass& p : passes) {
        for (int x = 0; x <= picture.width(); ++x) {
            writes.push_back({L + x, p[1], picture.pixel(x, p[0])});
            writes.push_back({L + x, p[3], picture.pixel(x, p[2])});
        }
    }
    return writes;
}

std::vector<PixelWrite> columnPasses(const Image& picture, int T, const std::vector<Pass>& passes) {
    std::vector<PixelWrite> writes;
    for (const Pass& p : passes) {
        for (int y = 0; y <= picture.height(); ++y) {
            writes.push_back({p[1], T + y, picture.pixel(p[0], y)});
            writes.push_back({p[3], T + y, picture.pixel(p[2], y)});
        }
    }
    return writes;
}

template <int ScreenWidth, int ScreenHeight>
class Sweep : public testing::EffectFixture {
protected:
    Sweep() : EffectFixture(ScreenWidth, ScreenHeight) {}
};

// A box 9 pixels high on a screen 209 high stands at T = 100; 7 wide on 64 at L = 28.5 -> 28.
using TallScreen = Sweep<64, 209>;
using WideScreen = Sweep<209, 64>;
using SmallScreen = Sweep<64, 100>;

TEST_F(TallScreen, RowsFromTheCentreOfAnOddHeightReadOnlyEvenRowsAndLeaveGaps) {
    const Image picture = gridPicture(3, 5);
    loadPicture(picture);
    recordWrites();
    move2(stage());
    EXPECT_EQ(form().Picture1.pixelRect().y, 100);
    // Every row H/2 +- j is a tie and goes to the even neighbour, in the picture and on screen.
    EXPECT_EQ(writes, rowPasses(picture, 28, {{2, 102, 2, 102}, {2, 102, 4, 104}, {0, 100, 4, 104}}));
    EXPECT_EQ(h.runtime.passes(), 3);
    EXPECT_EQ(form().surface().pixel(28, 101), platform::rgb(0, 0, 0));
    EXPECT_EQ(form().surface().pixel(28, 104), picture.pixel(0, 4));
}

TEST_F(SmallScreen, RowsFromTheCentreOfAnEvenHeightPaintTheCentreRowTwiceAndReadOneRowBeyond) {
    const Image picture = gridPicture(3, 4);  // box 8 high: T = 46
    loadPicture(picture);
    recordWrites();
    move2(stage());
    EXPECT_EQ(writes, rowPasses(picture, 28, {{2, 48, 2, 48}, {1, 47, 3, 49}, {0, 46, 4, 50}}));
    // Row 4 lies beyond the picture: it reads no colour and paints nothing.
    EXPECT_EQ(form().surface().pixel(28, 50), platform::rgb(0, 0, 0));
}

TEST_F(WideScreen, ColumnsFromTheCentreOfAnOddWidthBehaveAsRowsDo) {
    const Image picture = gridPicture(5, 3);  // box 9 x 7: L = 100, T = 28.5 -> 28
    loadPicture(picture);
    recordWrites();
    move6(stage());
    EXPECT_EQ(writes,
              columnPasses(picture, 28, {{2, 102, 2, 102}, {2, 102, 4, 104}, {0, 100, 4, 104}}));
}

TEST_F(SmallScreen, ColumnsClosingInPairTheFirstColumnWithOneBeyondTheLast) {
    const Image picture = gridPicture(4, 2);  // box 8 x 6: L = 28, T = 47
    loadPicture(picture);
    recordWrites();
    move12(stage());
    EXPECT_EQ(writes, columnPasses(picture, 47, {{0, 28, 4, 32}, {1, 29, 3, 31}, {2, 30, 2, 30}}));
}

TEST_F(SmallScreen, RowsClosingInPairTheFirstRowWithOneBeyondTheLast) {
    const Image picture = gridPicture(2, 4);  // box 6 x 8: L = 29, T = 46
    loadPicture(picture);
    recordWrites();
    move14(stage());
    EXPECT_EQ(writes, rowPasses(picture, 29, {{0, 46, 4, 50}, {1, 47, 3, 49}, {2, 48, 2, 48}}));
}

using TinyScreen = Sweep<4, 4>;

TEST_F(TinyScreen, APictureLargerThanTheScreenTakesAllItsPassesAndPaintsOnlyWhatFalls) {
    const Image picture = gridPicture(10, 6);  // box 14 x 10: L = -5, T = -3
    loadPicture(picture);
    recordWrites();
    move14(stage());
    EXPECT_EQ(h.runtime.passes(), 4);
    EXPECT_EQ(writes.size(), 4u * 2 * 11);
    EXPECT_EQ(form().surface().pixel(0, 0), picture.pixel(5, 3));
    EXPECT_EQ(form().surface().pixel(3, 2), picture.pixel(8, 5));
    EXPECT_EQ(form().surface().pixel(3, 3), platform::rgb(0, 0, 0));  // row 6 is beyond
}

TEST_F(SmallScreen, ASweepRunsToItsEndInsideTheTickThenHoldsAndHandsBackOnce) {
    loadPicture(gridPicture(6, 6));
    for (void (*sweep)(Stage&) : {move2, move6, move12, move14}) {
        handBacks.clear();
        sweep(stage());
        ASSERT_EQ(handBacks.size(), 1u);
        EXPECT_FALSE(handBacks[0].boxVisible);
        EXPECT_TRUE(handBacks[0].timer1Enabled);
        EXPECT_EQ(handBacks[0].dtime, 1000);
    }
    EXPECT_EQ(h.runtime.holds(), 4);
}

}  // namespace
}  // namespace glint::player::effects
