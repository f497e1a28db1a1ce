#include "platform/timer_scheduler.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/headless/virtual_clock.h"
#include "platform/timer.h"

namespace glint::platform {
namespace {

struct Timers : ::testing::Test {
    headless::VirtualClock clock;
    TimerScheduler scheduler{clock};
};

TEST_F(Timers, AnEnabledTimerTicksOneIntervalAfterItWasSwitchedOn) {
    clock.set(1000);
    Timer timer(scheduler, "t", 200, false);
    int ticks = 0;
    timer.onTick = [&] { ++ticks; };
    timer.setEnabled(true);
    EXPECT_EQ(scheduler.nextDueMs(), 1200);
    clock.set(1199);
    scheduler.runDue();
    EXPECT_EQ(ticks, 0);
    clock.set(1200);
    scheduler.runDue();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(scheduler.nextDueMs(), 1400);
    timer.setEnabled(false);
    EXPECT_EQ(scheduler.nextDueMs(), TimerScheduler::kNever);
}

TEST_F(Timers, IntervalsShorterThanAFrameTickOncePerFrame) {
    Timer fast(scheduler, "fast", 1, true);
    EXPECT_EQ(scheduler.nextDueMs(), kTimerResolutionMs);
}

TEST_F(Timers, ATickIsNeverDeliveredInsideItsOwnHandlerAndMissedTicksAreDropped) {
    Timer slow(scheduler, "slow", 200, true);
    Timer other(scheduler, "other", 16, true);
    int slowTicks = 0;
    int otherTicks = 0;
    slow.onTick = [&] {
        // The first tick's handler is long and makes event passes while time goes by.
        if (++slowTicks > 1) return;
        for (int i = 0; i < 100; ++i) {
            clock.advance(10);
            scheduler.runDue();
        }
    };
    other.onTick = [&] { ++otherTicks; };
    clock.set(200);
    scheduler.runDue();
    EXPECT_EQ(slowTicks, 1);
    EXPECT_EQ(otherTicks, 50);  // other timers tick inside the handler's passes
    // The ticks that fell due meanwhile were not queued: one comes, then the next an interval on.
    scheduler.runDue();
    EXPECT_EQ(slowTicks, 2);
    scheduler.runDue();
    EXPECT_EQ(slowTicks, 2);
}

TEST_F(Timers, AHeldTickStaysDueAndComesWhenTheHoldEnds) {
    Timer timer(scheduler, "t", 200, true);
    int ticks = 0;
    timer.onTick = [&] { ++ticks; };
    {
        TickHold hold(timer);
        clock.set(500);
        scheduler.runDue();
        EXPECT_EQ(ticks, 0);
    }
    scheduler.runDue();
    EXPECT_EQ(ticks, 1);
}

TEST_F(Timers, AHandlerThatSwitchesItsOwnTimerOffGetsNoFurtherTick) {
    Timer timer(scheduler, "t", 16, true);
    int ticks = 0;
    timer.onTick = [&] {
        ++ticks;
        timer.setEnabled(false);
    };
    clock.set(16);
    scheduler.runDue();
    clock.set(100);
    scheduler.runDue();
    EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace glint::platform
