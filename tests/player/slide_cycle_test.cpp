#include <gtest/gtest.h>

#include "platform/headless/headless_runtime.h"
#include "player/caption_number.h"
#include "tests/player/player_harness.h"

namespace glint::player {
namespace {

using platform::headless::ClockJump;
using platform::headless::RunResult;
using testing::PlayerHarness;
using testing::solidPicture;

// Pictures told apart by their colour: picture k is rgb(k, 0, 0).
std::vector<std::string> addPictures(PlayerHarness& h, int count) {
    std::vector<std::string> names;
    for (int k = 1; k <= count; ++k) {
        names.push_back("p" + std::to_string(k) + ".jpg");
        h.addPicture(names.back(), solidPicture(20 + k, 10 + k, platform::rgb(k, 0, 0)));
    }
    return names;
}

TEST(SlideCycle, ShowsThePicturesInListOrderWithTheEffectsInTurn) {
    PlayerHarness h;
    h.writePackage(addPictures(h, 3));
    const auto& ticks = h.recordTicks();
    EXPECT_EQ(h.run(120'000).end, RunResult::End::TimeLimit);
    ASSERT_GE(ticks.size(), 17u);
    EXPECT_EQ(ticks[0].atMs, 200);  // the first tick comes 200 ms after the window starts
    for (std::size_t k = 0; k < ticks.size(); ++k) {
        EXPECT_EQ(ticks[k].effect, static_cast<int>(k % 14)) << "slide " << k;
        EXPECT_EQ(ticks[k].picture, platform::rgb(static_cast<int>(k % 3) + 1, 0, 0)) << k;
    }
}

TEST(SlideCycle, WithFourteenPicturesEachPictureAlwaysComesWithTheSameEffect) {
    PlayerHarness h;
    h.writePackage(addPictures(h, 14));
    const auto& ticks = h.recordTicks();
    h.run(200'000);
    ASSERT_GE(ticks.size(), 28u);
    for (std::size_t k = 0; k < 28; ++k) {
        EXPECT_EQ(ticks[k].picture, platform::rgb(static_cast<int>(k % 14) + 1, 0, 0));
        EXPECT_EQ(ticks[k].effect, static_cast<int>(k % 14));
    }
}

TEST(SlideCycle, TheShownPictureIsReleasedBeforeTheNextIsDecoded) {
    PlayerHarness h;
    h.writePackage(addPictures(h, 2));
    std::vector<bool> heldDuringLoad;
    h.pictures.beforeLoad = [&h, &heldDuringLoad](const std::string&) {
        heldDuringLoad.push_back(!h.form().Picture1.picture().isNull());
    };
    const auto& ticks = h.recordTicks();
    h.run(60'000);
    ASSERT_GE(heldDuringLoad.size(), 4u);
    for (std::size_t k = 0; k < heldDuringLoad.size(); ++k) EXPECT_FALSE(heldDuringLoad[k]) << k;
    // Each slide still shows its own picture.
    for (std::size_t k = 0; k < ticks.size(); ++k) {
        EXPECT_EQ(ticks[k].picture, platform::rgb(static_cast<int>(k % 2) + 1, 0, 0)) << k;
    }
}

TEST(SlideCycle, AMissingPictureEndsTheProgramAtTheStepThatLoadsIt) {
    PlayerHarness h;
    std::vector<std::string> names = addPictures(h, 2);
    names.push_back("gone.jpg");
    h.writePackage(names);
    const auto& ticks = h.recordTicks();
    const RunResult result = h.run(120'000);
    EXPECT_EQ(result.end, RunResult::End::Error);
    EXPECT_EQ(result.errorReport, "File not found: " + h.folder.file("gone.jpg"));
    // The slides of both pictures before it ran to their end.
    EXPECT_EQ(ticks.size(), 2u);
    EXPECT_EQ(h.runtime.holds(), 2);
}

TEST(SlideCycle, AnEmptyListShowsNoPictureAndKeepsCounting) {
    PlayerHarness h;
    h.writePackage({});
    const auto& ticks = h.recordTicks();
    EXPECT_EQ(h.run(60'000).end, RunResult::End::TimeLimit);
    ASSERT_GE(ticks.size(), 15u);
    EXPECT_TRUE(h.form().Picture1.picture().isNull());
    // One count per cycle step, never reset: the last slide may not have handed back yet.
    EXPECT_GE(captionNumber(h.form().Label1), static_cast<double>(ticks.size()));
    for (std::size_t k = 0; k < ticks.size(); ++k) EXPECT_EQ(ticks[k].effect, int(k % 14));
}

TEST(SlideCycle, AListLongerThan32767LinesIsShownWhole) {
    PlayerHarness h;
    h.addPicture("a.jpg", solidPicture(4, 4, platform::rgb(1, 0, 0)));
    h.addPicture("last.jpg", solidPicture(4, 4, platform::rgb(2, 0, 0)));
    std::string list;
    for (int i = 0; i < 40'000; ++i) list += "\"a.jpg\"\r\n";
    list += "\"last.jpg\"\r\n";
    h.writePackage({});
    h.folder.write("pb.dat", list);
    Form1& form = h.form();
    form.Form_Load();
    EXPECT_EQ(form.Label1.caption(), "1");
    form.Label1.setCaption("40000");
    form.diaowenjian();
    EXPECT_EQ(form.Picture1.picture().pixel(0, 0), platform::rgb(2, 0, 0));
    EXPECT_EQ(form.Label1.caption(), "0");
}

TEST(SlideCycle, ACycleTickThatFallsDueDuringTheHandBackAfterASlideWaitsForTheNextPicture) {
    PlayerHarness h;
    h.writePackage(addPictures(h, 2));
    const auto& ticks = h.recordTicks();
    // The first event passes of the run are those of the delay after the first slide-in; one of
    // them takes long enough for Timer1 to fall due.
    h.runtime.atPass(10, ClockJump{500});
    h.run(10'000);
    ASSERT_GE(ticks.size(), 2u);
    EXPECT_EQ(ticks[0].effect, 0);
    EXPECT_EQ(ticks[1].effect, 1);
    EXPECT_EQ(ticks[1].picture, platform::rgb(2, 0, 0));
}

TEST(SlideCycle, ARepaintAtEachTickClearsWhatTheLastSweepDrew) {
    PlayerHarness h;
    h.writePackage(addPictures(h, 2));
    Form1& form = h.form();
    form.Form_Load();
    form.setClientSize(1024, 768);
    form.surface().setPixel(5, 5, platform::rgb(9, 9, 9));
    form.Label2.setCaption("99");  // no effect has this number: the tick only repaints
    form.Timer1_Timer();
    EXPECT_EQ(form.surface().pixel(5, 5), platform::rgb(0, 0, 0));
}

}  // namespace
}  // namespace glint::player
