#include "platform/qt/xscreensaver_window.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/qt/music_turn.h"

namespace glint::platform::qt {
namespace {

TEST(XScreenSaverWindow, TheDaemonsWindowIdIsReadAsItWritesItAndNothingElse) {
    EXPECT_EQ(parseWindowId("0x1a00007"), WId(0x1a00007));
    EXPECT_EQ(parseWindowId("27262983"), WId(27262983));
    for (const char* bad : {"", "0x", "12abc", "-5", "0x100000000", " 7"}) {
        EXPECT_EQ(parseWindowId(bad), WId(0)) << bad;
    }
    EXPECT_EQ(parseWindowId(nullptr), WId(0));
}

TEST(XScreenSaverWindow, OnlyTheFirstOfTheDaemonsProcessesPlaysTheMusic) {
    ::unsetenv("XSCREENSAVER_WINDOW");
    MusicTurn alone;
    MusicTurn alsoAlone;
    EXPECT_TRUE(alone.take());
    EXPECT_TRUE(alsoAlone.take());

    ::setenv("XSCREENSAVER_WINDOW", "0x1a00007", 1);
    {
        MusicTurn first;
        MusicTurn second;
        EXPECT_TRUE(first.take());
        EXPECT_FALSE(second.take());
        EXPECT_TRUE(first.take());
    }
    // The turn is free again once its holder has ended.
    MusicTurn next;
    EXPECT_TRUE(next.take());
    ::unsetenv("XSCREENSAVER_WINDOW");
}

}  // namespace
}  // namespace glint::platform::qt
