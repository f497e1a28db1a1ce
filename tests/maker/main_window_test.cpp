#include <gtest/gtest.h>

#include "maker/vendor.h"
#include "platform/input_router.h"
#include "platform/program_end.h"
#include "tests/maker/maker_harness.h"

namespace glint::maker {
namespace {

using platform::MouseEvent;
using platform::RawMouse;
using platform::Rect;
using testing::MakerHarness;

TEST(MainWindow, LaysOutItsControlsWherePeopleExpectThem) {
    MakerHarness h;
    FormMain& f = h.form();
    EXPECT_EQ(f.pixelRect().width, 701);
    EXPECT_EQ(f.pixelRect().height, 407);
    EXPECT_TRUE(f.borderless());
    EXPECT_EQ(f.Pic_guan.pixelRect(), (Rect{665, 13, 15, 11}));
    EXPECT_EQ(f.Pic_zuixiao.pixelRect(), (Rect{647, 13, 15, 11}));
    EXPECT_EQ(f.Pic_shiji.pixelRect(), (Rect{648, 40, 34, 44}));
    EXPECT_EQ(f.Picture5.pixelRect(), (Rect{488, 53, 139, 28}));
    EXPECT_EQ(f.Picture1.pixelRect(), (Rect{272, 128, 139, 28}));
    EXPECT_EQ(f.Picture2.pixelRect(), (Rect{272, 187, 139, 28}));
    EXPECT_EQ(f.Picture3.pixelRect(), (Rect{272, 245, 139, 28}));
    EXPECT_EQ(f.Picture4.pixelRect(), (Rect{272, 304, 139, 28}));
    EXPECT_EQ(f.Image1.pixelRect(), (Rect{8, 124, 153, 204}));
    EXPECT_EQ(f.Label1.pixelRect().x, 56);
    EXPECT_EQ(f.Label1.pixelRect().y, 336);
    EXPECT_EQ(f.Label1.caption(), "图片预览");
    EXPECT_EQ(f.Label3.caption(), "V1.0");
    EXPECT_EQ(f.Label4.caption(), kVendorAddress);
    EXPECT_EQ(f.Picture3.picture().pixel(0, 0), MakerHarness::builtInColor("003"));
    EXPECT_EQ(f.Picture1.mousePointer(), platform::MousePointer::Hand);
    EXPECT_EQ(f.Pic_guan.mousePointer(), platform::MousePointer::Default);
    EXPECT_EQ(f.surface().pixel(0, 0), platform::rgb(0, 0, 90));  // the background picture
}

TEST(MainWindow, CentresItselfOnTheScreenWhenItLoads) {
    MakerHarness h;
    h.runtime.run(h.form(), 0);
    // (1024 - 701) / 2 = 161.5 pixels and (768 - 407) / 2 = 180.5: ties to even.
    EXPECT_EQ(h.form().pixelRect(), (Rect{162, 180, 701, 407}));
}

TEST(MainWindow, DraggingTheBackgroundMovesTheWindowWithThePointerWithoutDrift) {
    MakerHarness h;
    FormMain& f = h.form();
    f.setPixelRect({100, 100, 701, 407});
    platform::InputRouter router(f);
    // The pointer in screen pixels; the window receives it in client pixels.
    auto at = [&](RawMouse::Kind kind, int sx, int sy, int buttons) {
        router.mouse({kind, sx - f.pixelRect().x, sy - f.pixelRect().y, buttons, 0});
    };
    at(RawMouse::Kind::Press, 300, 200, platform::kLeftButton);
    for (int step = 1; step <= 40; ++step) {
        at(RawMouse::Kind::Move, 300 + 3 * step, 200 - 2 * step, platform::kLeftButton);
    }
    at(RawMouse::Kind::Release, 420, 120, platform::kLeftButton);
    EXPECT_EQ(f.pixelRect(), (Rect{220, 20, 701, 407}));
    // Without the left button held, moving does nothing.
    at(RawMouse::Kind::Move, 900, 700, platform::kNoButton);
    EXPECT_EQ(f.pixelRect(), (Rect{220, 20, 701, 407}));
}

TEST(MainWindow, ARightButtonPressStoresThePressPointButMovesNothing) {
    MakerHarness h;
    FormMain& f = h.form();
    f.setPixelRect({100, 100, 701, 407});
    f.Form_MouseDown({platform::kRightButton, 0, 1500, 750});
    EXPECT_EQ(f.pressX(), 1500);
    EXPECT_EQ(f.pressY(), 750);
    f.Form_MouseMove({platform::kRightButton, 0, 3000, 3000});
    EXPECT_EQ(f.pixelRect().x, 100);
    // A later left drag measures from that press point; the window may leave the screen.
    f.Form_MouseMove({platform::kLeftButton, 0, 1500 - 3000, 750 - 3000});
    EXPECT_EQ(f.pixelRect().x, -100);
    EXPECT_EQ(f.pixelRect().y, -100);
}

TEST(MainWindow, CloseReturnsTheButtonToNormalAndEndsAtOnce) {
    MakerHarness h;
    FormMain& f = h.form();
    f.hover(f.Pic_guan, {0, 0, 10, 10});
    EXPECT_THROW(f.Pic_guan_Click(), platform::ProgramEnded);
    EXPECT_EQ(f.Pic_guan.picture().pixel(0, 0), MakerHarness::normalColor("guan"));
    EXPECT_EQ(f.mouseCapture(), nullptr);
}

TEST(MainWindow, MinimiseLeavesTheButtonNormalForWhenTheWindowComesBack) {
    MakerHarness h;
    FormMain& f = h.form();
    f.hover(f.Pic_zuixiao, {0, 0, 10, 10});
    f.Pic_zuixiao_Click();
    EXPECT_TRUE(f.minimized());
    EXPECT_EQ(f.Pic_zuixiao.picture().pixel(0, 0), MakerHarness::normalColor("zuixiao"));
    EXPECT_EQ(f.mouseCapture(), nullptr);
}

TEST(MainWindow, TheHelpMenuOpensTheHelpPageAndTheSiteAndItsOtherEntriesDoNothing) {
    MakerHarness h;
    FormMain& f = h.form();
    h.desktop.answerPopupMenus({0, 2, 4, -1, 1});
    for (int i = 0; i < 5; ++i) f.Pic_shiji_Click();
    const std::vector<std::string> entries = {"软件帮助", "-", "访问软件网站", "-", "自动升级"};
    ASSERT_EQ(h.desktop.popupMenus().size(), 5u);
    EXPECT_EQ(h.desktop.popupMenus()[0], entries);
    EXPECT_EQ(h.desktop.openedDocuments(),
              (std::vector<std::string>{h.folder.path() + "/pb.htm", kVendorAddress}));
    EXPECT_TRUE(h.desktop.messages().empty());
    EXPECT_EQ(f.Pic_shiji.picture().pixel(0, 0), platform::rgb(0, 0, 91));
}

}  // namespace
}  // namespace glint::maker
