#include <gtest/gtest.h>

#include "player/effects/slide_in_starters.h"
#include "player/effects/slide_ticks.h"
#include "tests/player/effects/effect_fixture.h"

namespace glint::player::effects {
namespace {

using platform::Rect;
using testing::solidPicture;

class SlideIn : public testing::EffectFixture {
protected:
    // Runs the move timer's ticks until it stops; returns how many it took.
    int slide(platform::Timer& timer, void (*tick)(Stage&)) {
        int ticks = 0;
        while (timer.enabled() && ticks < 100'000) {
            tick(stage());
            ++ticks;
        }
        return ticks;
    }
};

TEST_F(SlideIn, EachStarterPlacesTheBoxJustOutsideItsEdgeShowsItAndSwapsTheTimers) {
    struct Case {
        void (*start)(Stage&);
        platform::Timer Form1::*timer;
        Rect box;
    };
    // Picture 796 x 596: the box is 800 x 600 pixels outside, on a 1024 x 768 screen.
    const Case cases[] = {
        {move1, &Form1::Timermove8, {-800, 84, 800, 600}},
        {move3, &Form1::Timermove7, {112, -600, 800, 600}},
        {move4, &Form1::Timermove9, {112, 768, 800, 600}},
        {move9, &Form1::Timermove10, {1024, 84, 800, 600}},
        {move11, &Form1::Timermove7, {112, -600, 800, 600}},
        {move13, &Form1::Timermove10, {1024, 84, 800, 600}},
    };
    for (const Case& c : cases) {
        testing::PlayerHarness fresh;
        Form1& f = fresh.form();
        f.Picture1.setPicture(solidPicture(796, 596, 1));
        f.Picture1.setVisible(false);
        c.start(f.stage());
        EXPECT_EQ(f.Picture1.pixelRect(), c.box);
        EXPECT_TRUE(f.Picture1.visible());
        EXPECT_FALSE(f.Timer1.enabled());
        for (platform::Timer* t : {&f.Timermove7, &f.Timermove8, &f.Timermove9, &f.Timermove10}) {
            EXPECT_EQ(t->enabled(), t == &(f.*c.timer)) << t->name();
        }
    }
}

TEST_F(SlideIn, APictureLargerThanTheScreenStillStartsWhollyOutside) {
    loadPicture(solidPicture(1200, 900, 1));
    move4(stage());
    EXPECT_EQ(form().Picture1.pixelRect(), (Rect{-90, 768, 1204, 904}));
    move1(stage());
    EXPECT_EQ(form().Picture1.pixelRect(), (Rect{-1204, -68, 1204, 904}));
}

TEST_F(SlideIn, TheBoxMovesSevenPixelsATickAndStopsOnTheFirstTickAtOrPastTheCentre) {
    loadPicture(solidPicture(796, 596, 1));
    move1(stage());
    // From -800 to the centre at 112 pixels: 131 ticks, ending 5 pixels past it.
    EXPECT_EQ(slide(form().Timermove8, Timermove8_Timer), 131);
    EXPECT_EQ(form().Picture1.left(), 1755.0f);
    EXPECT_EQ(form().Picture1.pixelRect().y, 84);
}

TEST_F(SlideIn, ADistanceOfWholeStepsEndsExactlyOnTheCentre) {
    loadPicture(solidPicture(92, 40, 1));  // box 96 wide: 560 pixels to go, 80 steps
    move1(stage());
    EXPECT_EQ(slide(form().Timermove8, Timermove8_Timer), 80);
    EXPECT_EQ(form().Picture1.pixelRect().x, 464);
}

TEST_F(SlideIn, EveryDirectionEndsCentredAndABoxWiderThanTheScreenToo) {
    loadPicture(solidPicture(1200, 100, 1));
    move9(stage());
    // From 1024 to the centre at -90: 1114 pixels, 160 ticks.
    EXPECT_EQ(slide(form().Timermove10, Timermove10_Timer), 160);
    EXPECT_EQ(form().Picture1.pixelRect().x, 1024 - 160 * 7);

    loadPicture(solidPicture(96, 96, 1));
    move3(stage());
    slide(form().Timermove7, Timermove7_Timer);
    EXPECT_EQ(form().Picture1.pixelRect().y, 334);  // 62 steps of 7 from -100
    move4(stage());
    slide(form().Timermove9, Timermove9_Timer);
    EXPECT_EQ(form().Picture1.pixelRect().y, 334);
}

TEST_F(SlideIn, TheFinishingTickHoldsThenHidesTheBoxRestartsTheCycleAndHandsBackOnce) {
    loadPicture(solidPicture(50, 50, 1));
    move13(stage());
    const int ticks = slide(form().Timermove10, Timermove10_Timer);
    ASSERT_EQ(handBacks.size(), 1u);
    const HandBack& back = handBacks[0];
    EXPECT_EQ(back.holds, 1);
    EXPECT_FALSE(back.boxVisible);
    EXPECT_TRUE(back.timer1Enabled);
    EXPECT_FALSE(back.anyMoveTimerEnabled);
    EXPECT_EQ(back.dtime, 1000);
    // Ticks before the last one only move the box: no hold, no hand-back.
    EXPECT_GT(ticks, 1);
}

TEST_F(SlideIn, ATickOnABoxAlreadyPastTheCentreFinishesAfterItsOneMove) {
    loadPicture(solidPicture(50, 50, 1));
    form().Picture1.setLeft(3000 * 15);
    form().Timermove8.setEnabled(true);
    Timermove8_Timer(stage());
    EXPECT_FALSE(form().Timermove8.enabled());
    EXPECT_EQ(form().Picture1.pixelRect().x, 3007);
    EXPECT_EQ(handBacks.size(), 1u);
}

}  // namespace
}  // namespace glint::player::effects
