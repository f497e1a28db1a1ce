#include <gtest/gtest.h>

#include "platform/headless/headless_runtime.h"
#include "platform/program_end.h"
#include "tests/player/player_harness.h"

namespace glint::player {
namespace {

using platform::RawMouse;
using platform::headless::RunResult;
using testing::PlayerHarness;
using testing::solidPicture;

struct Exit : ::testing::Test {
    PlayerHarness h;
    void SetUp() override {
        h.addPicture("a.jpg", solidPicture(100, 50, platform::rgb(200, 0, 0)));
        h.addPicture("b.jpg", solidPicture(30, 5, platform::rgb(0, 200, 0)));
        h.writePackage({"a.jpg", "b.jpg"});
    }
    static RawMouse mouse(RawMouse::Kind kind, int x, int y) {
        return {kind, x, y, platform::kLeftButton, 0};
    }
    bool musicStopped() const {
        return !h.media.requests().empty() && h.media.requests().back() == "stop";
    }
};

TEST_F(Exit, AClickDoubleClickOrKeyOnTheWindowShowsThePointerHaltsTheMusicAndEnds) {
    const std::vector<std::vector<platform::headless::ScriptedEvent>> inputs = {
        {mouse(RawMouse::Kind::Press, 10, 700), mouse(RawMouse::Kind::Release, 10, 700)},
        {mouse(RawMouse::Kind::DoubleClick, 10, 700)},
        {platform::KeyEvent{'A', 0}},
        {platform::KeyEvent{16, platform::kShiftKey}},  // Shift alone
    };
    for (const auto& events : inputs) {
        PlayerHarness run;
        run.addPicture("a.jpg", solidPicture(100, 50, 0));
        run.writePackage({"a.jpg"});
        for (const auto& event : events) run.runtime.atTime(100, event);
        const RunResult result = run.run(60'000);
        EXPECT_EQ(result.end, RunResult::End::Ended);
        EXPECT_EQ(result.status, 0);
        EXPECT_EQ(result.atMs, 100);
        EXPECT_EQ(run.cursor.calls(), (std::vector<bool>{false, true}));
        EXPECT_EQ(run.media.requests().back(), "stop");
    }
}

TEST_F(Exit, RealMouseMovementOverTheWindowShowsThePointerAndEndsWithoutHaltingTheMusic) {
    h.runtime.atTime(100, mouse(RawMouse::Kind::Move, 500, 100));  // the first move records
    h.runtime.atTime(5000, mouse(RawMouse::Kind::Move, 500, 101));
    const RunResult result = h.run(60'000);
    EXPECT_EQ(result.end, RunResult::End::Ended);
    EXPECT_GE(result.atMs, 5000);
    EXPECT_EQ(h.cursor.calls(), (std::vector<bool>{false, true}));
    EXPECT_FALSE(musicStopped());
}

TEST_F(Exit, TheFirstMoveRecordsAndOnlyMoreThanOneTwipFromItEnds) {
    Form1& form = h.form();
    form.Form_Load();
    auto move = [&](float x, float y) { form.Form_MouseMove({0, 0, x, y}); };
    move(0, 0);        // recorded (0, 0) counts as not recorded
    move(9000, 9000);  // far from the pointer's real place, yet only recorded
    move(9001, 9000);  // 1 twip stays
    move(9000, 8999);
    move(9000, 9001);
    EXPECT_THROW(move(9002, 9000), platform::ProgramEnded);
    EXPECT_THROW(move(9000, 8998), platform::ProgramEnded);
    EXPECT_THROW(move(9001, 9001.5f), platform::ProgramEnded);
}

TEST_F(Exit, OverTheSlidingPictureAClickEndsButMovementIsIgnored) {
    // The first picture slides in from the left from 200 ms on, 7 pixels a tick: by 520 ms its
    // box spans x 36..139 and y 357..410.
    h.runtime.atTime(500, mouse(RawMouse::Kind::Move, 60, 380));
    h.runtime.atTime(510, mouse(RawMouse::Kind::Move, 80, 390));
    h.runtime.atTime(530, mouse(RawMouse::Kind::Move, 90, 400));
    h.runtime.atTime(540, mouse(RawMouse::Kind::Press, 90, 400));
    h.runtime.atTime(540, mouse(RawMouse::Kind::Release, 90, 400));
    const RunResult result = h.run(60'000);
    EXPECT_EQ(result.end, RunResult::End::Ended);
    EXPECT_EQ(result.atMs, 540);
    EXPECT_EQ(h.cursor.calls(), (std::vector<bool>{false, true}));
    EXPECT_FALSE(musicStopped());
}

TEST_F(Exit, AKeyOnTheFocusedPictureBoxEndsWithoutShowingThePointer) {
    h.form().setFocusedControl(&h.form().Picture1);  // it takes keys only while it is shown
    h.runtime.atTime(100, platform::KeyEvent{'A', 0});  // hidden: the window takes it
    PlayerHarness other;
    other.addPicture("a.jpg", solidPicture(100, 50, 0));
    other.writePackage({"a.jpg"});
    other.form().setFocusedControl(&other.form().Picture1);
    other.runtime.atTime(500, platform::KeyEvent{'A', 0});  // during the slide-in
    EXPECT_EQ(h.run(60'000).end, RunResult::End::Ended);
    EXPECT_EQ(h.cursor.calls(), (std::vector<bool>{false, true}));
    EXPECT_EQ(other.run(60'000).end, RunResult::End::Ended);
    EXPECT_EQ(other.cursor.calls(), (std::vector<bool>{false}));
    EXPECT_NE(other.media.requests().back(), "stop");
}

TEST_F(Exit, AKeyDuringASweepEndsAfterThePassItCameInAndDuringTheHoldOnlyAfterIt) {
    // The second slide is a mirrored row sweep of b.jpg (30 x 5 pixels, 3 passes of 2 x 31
    // writes); the 1001 event passes of the first slide's delay come before it.
    std::vector<platform::PixelWrite> writes;
    h.form().surface().recordWritesInto(&writes);
    h.runtime.atPass(1001 + 2, platform::KeyEvent{'A', 0});
    const RunResult result = h.run(60'000);
    EXPECT_EQ(result.end, RunResult::End::Ended);
    EXPECT_EQ(writes.size(), 2u * 2 * 31);

    PlayerHarness hold;
    hold.addPicture("a.jpg", solidPicture(100, 50, 0));
    hold.writePackage({"a.jpg"});
    // The first slide's finishing tick holds from about 1.5 s for 2 s.
    hold.runtime.atTime(2000, platform::KeyEvent{'A', 0});
    const RunResult held = hold.run(60'000);
    EXPECT_EQ(held.end, RunResult::End::Ended);
    EXPECT_EQ(hold.runtime.holds(), 1);
    EXPECT_GT(held.atMs, 3000);
    EXPECT_EQ(held.atPass, 1);  // in the first event pass after the hold
}

}  // namespace
}  // namespace glint::player
