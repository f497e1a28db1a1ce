#include <gtest/gtest.h>

#include "package/paths.h"

#include <filesystem>

#include "platform/input_router.h"
#include "tests/maker/maker_harness.h"
#include "tests/support/native_path.h"

namespace glint::maker {
namespace {

using testing::native;
using testing::stored;

using platform::MouseEvent;
using platform::RawMouse;
using testing::MakerHarness;

struct Hover : ::testing::Test {
    MakerHarness h;
    FormMain& f = h.form();
    platform::Rgb shown(const platform::PictureBox& b) const { return b.picture().pixel(0, 0); }
};

TEST_F(Hover, AllFourBoundsAreInclusive) {
    const float w = f.Picture1.width();    // 139 pixels
    const float ht = f.Picture1.height();  // 28 pixels
    for (const MouseEvent& inside :
         {MouseEvent{0, 0, 0, 0}, MouseEvent{0, 0, w, ht}, MouseEvent{0, 0, w, 0}}) {
        f.hover(f.Picture1, inside);
        EXPECT_EQ(shown(f.Picture1), MakerHarness::hoverColor("001"));
        EXPECT_EQ(f.mouseCapture(), &f.Picture1);
    }
    for (const MouseEvent& outside : {MouseEvent{0, 0, w + 1, 0}, MouseEvent{0, 0, 0, ht + 1},
                                      MouseEvent{0, 0, -1, 5}, MouseEvent{0, 0, 5, -1}}) {
        f.hover(f.Picture1, {0, 0, 1, 1});
        f.hover(f.Picture1, outside);
        EXPECT_EQ(shown(f.Picture1), MakerHarness::normalColor("001"));
        EXPECT_EQ(f.mouseCapture(), nullptr);
    }
}

TEST_F(Hover, MovingStraightOntoTheNeighbourFirstReleasesThenTakesTheCapture) {
    platform::InputRouter router(f);
    auto move = [&](int x, int y) { router.mouse({RawMouse::Kind::Move, x, y, 0, 0}); };
    move(300, 140);  // over Picture1
    EXPECT_EQ(shown(f.Picture1), MakerHarness::hoverColor("001"));
    move(300, 190);  // over Picture2, but Picture1 holds the capture and takes the move
    EXPECT_EQ(shown(f.Picture1), MakerHarness::normalColor("001"));
    EXPECT_EQ(shown(f.Picture2), MakerHarness::builtInColor("002"));
    EXPECT_EQ(f.mouseCapture(), nullptr);
    move(301, 190);  // now it reaches Picture2
    EXPECT_EQ(shown(f.Picture2), MakerHarness::hoverColor("002"));
    EXPECT_EQ(f.mouseCapture(), &f.Picture2);
    move(600, 390);  // anywhere: captured by Picture2, which lets go
    EXPECT_EQ(shown(f.Picture2), MakerHarness::normalColor("002"));
    EXPECT_EQ(f.mouseCapture(), nullptr);
}

TEST_F(Hover, AMissingButtonPictureIsReportedOnceAndTheButtonKeepsItsPicture) {
    std::filesystem::remove(glint::package::filePath(h.folder.file(native("pic/003_2.jpg"))));
    f.hover(f.Picture3, {0, 0, 10, 10});
    f.hover(f.Picture3, {0, 0, 20, 10});
    ASSERT_EQ(h.desktop.messages().size(), 1u);
    EXPECT_NE(h.desktop.messages()[0].find(h.folder.file(native("pic/003_2.jpg"))),
              std::string::npos);
    EXPECT_EQ(shown(f.Picture3), MakerHarness::builtInColor("003"));
    EXPECT_EQ(f.mouseCapture(), &f.Picture3);  // the hover state goes on without its picture
    f.hover(f.Picture3, {0, 0, -100, 10});
    EXPECT_EQ(shown(f.Picture3), MakerHarness::normalColor("003"));
}

TEST_F(Hover, ABrokenButtonPictureIsReportedLikeAMissingOne) {
    h.pictures = platform::headless::ScriptedPictures();  // the files are there; none decodes
    f.hover(f.Pic_zuixiao, {0, 0, 1, 1});
    ASSERT_EQ(h.desktop.messages().size(), 1u);
    EXPECT_NE(h.desktop.messages()[0].find("zuixiao_2.jpg"), std::string::npos);
    EXPECT_EQ(shown(f.Pic_zuixiao), MakerHarness::builtInColor("zuixiao"));
}

}  // namespace
}  // namespace glint::maker
