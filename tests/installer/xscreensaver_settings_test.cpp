#include "installer/linux/xscreensaver_settings.h"

#include <gtest/gtest.h>

namespace glint::installer {
namespace {

const ShowEntry kShow{"Ann 的假日",
                      "/home/ann/.local/share/glint/screensavers/screensaver-1/"
                      "glint-screensaver"};
const std::string kEntry =
    "\t\t\t\t\"Ann 的假日\"\t/home/ann/.local/share/glint/screensavers/screensaver-1/"
    "glint-screensaver -root \\n\\\n";

// As xscreensaver-settings writes it, with a comment and the user's own choices.
const std::string kUsers =
    "# XScreenSaver Preferences File\n"
    "timeout:\t0:05:00\n"
    "mode:\t\trandom\n"
    "selected:\t1\n"
    "! my own note\n"
    "programs:\t\t\t\t\t\t\t      \\\n"
    "\t\t\t\tmaze -root\t\t\t\t\t    \\n\\\n"
    "- GL:\t\t\t\tsuperquadrics -root\t\t\t    \\n\\\n"
    "\n"
    "pointerHysteresis: 10\n";

TEST(XScreenSaverSettings, TheShowBecomesTheOneModeAndEveryOtherLineStays) {
    const std::string once = selectShow(kUsers, kShow);
    EXPECT_EQ(once,
              "# XScreenSaver Preferences File\n"
              "timeout:\t0:05:00\n"
              "mode:\t\tone\n"
              "selected:\t0\n"
              "! my own note\n"
              "programs:\t\t\t\t\t\t\t      \\\n" +
                  kEntry +
                  "\t\t\t\tmaze -root\t\t\t\t\t    \\n\\\n"
                  "- GL:\t\t\t\tsuperquadrics -root\t\t\t    \\n\\\n"
                  "\n"
                  "pointerHysteresis: 10\n");
    // The same show again, or the same caption installed again elsewhere, keeps one entry.
    EXPECT_EQ(selectShow(once, kShow), once);
    ShowEntry again = kShow;
    again.launcher = "/home/ann/.local/share/glint/screensavers/screensaver-2/glint-screensaver";
    const std::string twice = selectShow(once, again);
    EXPECT_EQ(twice.find("screensaver-1"), std::string::npos);
    EXPECT_EQ(twice.size(), once.size());

    // Withdrawn, the list is the user's again; the mode falls back to a blank screen.
    const auto withdrawn = withdrawShow(once, kShow.launcher);
    ASSERT_TRUE(withdrawn);
    std::string expected = kUsers;
    expected.replace(expected.find("mode:\t\trandom"), 13, "mode:\t\tblank");
    expected.replace(expected.find("selected:\t1"), 11, "selected:\t-1");
    EXPECT_EQ(*withdrawn, expected);
    EXPECT_FALSE(withdrawShow(*withdrawn, kShow.launcher));
}

TEST(XScreenSaverSettings, AnotherSelectedModeKeepsItsPlaceWhenTheShowIsWithdrawn) {
    std::string chosen = selectShow(kUsers, kShow);
    chosen.replace(chosen.find("mode:\t\tone"), 10, "mode:\t\trandom");
    chosen.replace(chosen.find("selected:\t0"), 11, "selected:\t2");
    const auto withdrawn = withdrawShow(chosen, kShow.launcher);
    ASSERT_TRUE(withdrawn);
    EXPECT_NE(withdrawn->find("mode:\t\trandom\nselected:\t1\n"), std::string::npos) << *withdrawn;
}

TEST(XScreenSaverSettings, AFileWithoutAListOrWithAListOnOneLineGetsTheEntryAtItsEnd) {
    const std::string made = selectShow(std::nullopt, kShow);
    EXPECT_NE(made.find("mode:\t\tone\nselected:\t0\nprograms:\t\t\\\n" + kEntry + "\n"),
              std::string::npos);
    EXPECT_EQ(selectShow("lock: False", kShow),
              "lock: False\nprograms:\t\t\\\n" + kEntry + "\nmode:\t\tone\nselected:\t0\n");

    const std::string oneLine = "programs: \"A\" a -root \\n \"B\" b\nmode: one\nselected: 1\n";
    const std::string added = selectShow(oneLine, kShow);
    EXPECT_NE(added.find("selected: 2\n"), std::string::npos) << added;
    EXPECT_EQ(withdrawShow(added, kShow.launcher),
              "programs: \"A\" a -root \\n \"B\" b\nmode: blank\nselected: -1\n");
}

TEST(XScreenSaverSettings, TheNameCannotBreakTheEntry) {
    EXPECT_EQ(entryName("say \"hi\"\\\n"), "say 'hi'/");
    EXPECT_EQ(entryName(" \t"), "Glint 屏保");
    ShowEntry spaced{"x", "/home/a b/glint-screensaver"};
    const std::string text = selectShow(std::nullopt, spaced);
    EXPECT_NE(text.find("\"x\"\t'/home/a b/glint-screensaver' -root"), std::string::npos);
    EXPECT_TRUE(withdrawShow(text, spaced.launcher));
}

}  // namespace
}  // namespace glint::installer
