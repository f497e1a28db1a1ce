#include "installer/linux/screensaver_registration.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <set>

#include "installer/linux/package_install.h"
#include "installer/linux/package_removal.h"
#include "package/quoted_list.h"
#include "platform/posix/posix_files.h"
#include "tests/support/temp_folder.h"

namespace glint::installer {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

TEST(IdleWatcher, TheSessionPicksTheFirstComponentItHasAndNamesTheOneItLacks) {
    auto session = [](std::string type, std::string desktops, bool wayland,
                      std::set<std::string> programs) {
        return chooseIdleWatcher({type, desktops, wayland, true, [programs](const std::string& p) {
                                      return programs.count(p) > 0;
                                  }});
    };
    const std::set<std::string> all{"xscreensaver", "xss-lock", "xset", "swayidle"};
    EXPECT_EQ(session("x11", "XFCE", false, all).watcher, IdleWatcher::XScreenSaver);
    EXPECT_EQ(session("x11", "XFCE", false, {"xss-lock", "xset"}).watcher, IdleWatcher::XssLock);
    EXPECT_EQ(session("x11", "", false, {"xss-lock"}).missingPackage, "x11-xserver-utils");
    EXPECT_EQ(session("", "", false, {}).missingPackage, "xss-lock");
    EXPECT_EQ(session("wayland", "KDE", true, all).watcher, IdleWatcher::Swayidle);
    EXPECT_EQ(session("", "sway", true, {"xscreensaver"}).missingPackage, "swayidle");
    const IdleChoice gnome = session("wayland", "ubuntu:GNOME", true, all);
    EXPECT_EQ(gnome.watcher, IdleWatcher::None);
    EXPECT_TRUE(gnome.gnomeOnWayland);
    EXPECT_TRUE(gnome.missingPackage.empty());
}

TEST(IdleWatcher, TheAutostartEntryStartsTheWatcherWithTheIdleTimeAndTheLauncher) {
    const std::string xss =
        autostartEntry(IdleWatcher::XssLock, {"A", "/home/a b/glint-screensaver"}, 7);
    EXPECT_NE(xss.find("Exec=/bin/sh -c \"xset s 420 0; exec xss-lock --ignore-sleep -- '/home/a "
                       "b/glint-screensaver'\"\n"),
              std::string::npos)
        << xss;
    const std::string sway =
        autostartEntry(IdleWatcher::Swayidle, {"A", "/h/glint-screensaver"}, 10);
    EXPECT_NE(sway.find("Exec=swayidle -w timeout 600 \"/h/glint-screensaver\"\n"),
              std::string::npos)
        << sway;
}

// The watchers' processes, as the registration would start and end them.
struct RecordedProcesses : WatcherProcesses {
    bool daemonRuns = false;
    std::vector<std::vector<std::string>> started;
    std::vector<std::string> stopped;
    bool xscreensaverRuns() override { return daemonRuns; }
    void startDetached(const std::vector<std::string>& words) override { started.push_back(words); }
    void stopWatchers(const std::string& holding) override { stopped.push_back(holding); }
};

struct Removal : ::testing::Test {
    TempFolder package;
    TempFolder home;
    platform::posix::PosixFiles files;
    UserFolders folders{home.path(), home.path() + "/.config", home.path() + "/system-autostart"};
    RecordedProcesses processes;
    std::string data = home.path() + "/.local/share";

    void SetUp() override {
        package.write("pb.cc", "player");
        package.write("a.jpg", "a");
        package.write("setup.exe", "setup");
        for (const auto& [name, text] : {std::pair<const char*, const char*>{"pb.dat", "a.jpg"},
                                         {"ms.dat", "m.wav"},
                                         {"kg.ini", "0"},
                                         {"timu.dat", "Ann"}}) {
            package.write(name, "");
            package::appendQuotedLine(package.file(name), text);
        }
    }
    Installed installed() {
        return install(package.path(), planInstall(package.path()), data, package.file("setup.exe"),
                       files);
    }
};

TEST_F(Removal, LeavesNothingOfTheShowAndTouchesNothingElse) {
    const Installed first = installed();
    const Installed second = installed();
    home.write(".xscreensaver", "lock: False\n");
    makeScreensaver(IdleWatcher::XScreenSaver, {"Ann", first.launcher}, 10, folders, processes);
    // XScreenSaver's daemon runs from now on, and at every login.
    ASSERT_EQ(processes.started.size(), 1u);
    EXPECT_EQ(processes.started[0], (std::vector<std::string>{"xscreensaver", "--no-splash"}));
    EXPECT_TRUE(fs::exists(xscreensaverAutostartPath(folders)));
    makeScreensaver(IdleWatcher::XssLock, {"Ann", second.launcher}, 10, folders, processes);
    // xss-lock too, in place of any earlier one.
    ASSERT_EQ(processes.started.size(), 2u);
    EXPECT_EQ(processes.started[1], watcherCommand(IdleWatcher::XssLock, second.launcher, 10));
    EXPECT_EQ(processes.stopped, std::vector<std::string>{"glint-screensaver"});
    fs::create_directories(folders.config + "/autostart");
    home.write(".config/autostart/other.desktop", "[Desktop Entry]\n");

    // The second show is the xss-lock one: removing the first leaves its entry.
    EXPECT_TRUE(removeInstalled(first.folder, folders, processes).empty());
    EXPECT_FALSE(fs::exists(first.folder));
    EXPECT_FALSE(fs::exists(first.menuEntry));
    // XScreenSaver's own list counts again; the screen blanks.
    EXPECT_EQ(home.read(".xscreensaver"), "lock: False\nmode:\t\tblank\nselected:\t-1\n");
    EXPECT_TRUE(fs::exists(autostartEntryPath(folders)));

    EXPECT_TRUE(removeInstalled(second.folder, folders, processes).empty());
    EXPECT_FALSE(fs::exists(autostartEntryPath(folders)));
    EXPECT_EQ(processes.stopped.back(), second.launcher);
    EXPECT_TRUE(fs::exists(folders.config + "/autostart/other.desktop"));
    EXPECT_EQ(fs::directory_iterator(data + "/glint/screensavers"), fs::directory_iterator());
}

TEST_F(Removal, AFolderThatCannotBeRemovedIsReportedAndKeepsItsMenuEntry) {
    if (::geteuid() == 0) GTEST_SKIP() << "root removes the files of a read-only folder";
    const Installed show = installed();
    fs::permissions(show.folder, fs::perms::owner_read | fs::perms::owner_exec);
    const auto left = removeInstalled(show.folder, folders, processes);
    fs::permissions(show.folder, fs::perms::owner_all);
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left[0], "文件夹 " + show.folder);
    EXPECT_TRUE(fs::exists(show.menuEntry));
}

}  // namespace
}  // namespace glint::installer
