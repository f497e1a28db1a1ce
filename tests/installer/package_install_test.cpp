#include "installer/linux/package_install.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "package/quoted_list.h"
#include "platform/posix/posix_files.h"
#include "tests/support/temp_folder.h"

namespace glint::installer {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

struct Install : ::testing::Test {
    TempFolder package;
    TempFolder data;
    platform::posix::PosixFiles files;

    void SetUp() override {
        package.write("pb.cc", "player");
        fs::permissions(package.file("pb.cc"), fs::perms(0755));
        for (const char* name : {"a.jpg", "海边.jpg", "m.wav", "dsi.ini", "setup.exe"}) {
            package.write(name, name);
        }
        list("pb.dat", {"a.jpg", "海边.jpg", "a.jpg"});
        list("ms.dat", {"old.mp3", "m.wav"});
        list("kg.ini", {"1"});
        list("timu.dat", {"old", "Ann 的假日"});
    }
    void list(const std::string& name, const std::vector<std::string>& texts) {
        package.write(name, "");
        for (const auto& t : texts) package::appendQuotedLine(package.file(name), t);
    }
};

TEST_F(Install, CopiesThePlayerItsListsAndItsMediaIntoAFolderOfItsOwn) {
    const InstallPlan plan = planInstall(package.path());
    EXPECT_EQ(plan.caption, "Ann 的假日");
    EXPECT_EQ(plan.files, (std::vector<std::string>{"pb.cc", "pb.dat", "ms.dat", "kg.ini",
                                                    "timu.dat", "a.jpg", "海边.jpg", "m.wav"}));
    const Installed first =
        install(package.path(), plan, data.path(), package.file("setup.exe"), files);
    EXPECT_EQ(first.folder, data.path() + "/glint/screensavers/screensaver-1");
    EXPECT_EQ(TempFolder::readFile(first.folder + "/海边.jpg"), "海边.jpg");
    EXPECT_EQ(::access((first.folder + "/pb.cc").c_str(), X_OK), 0);
    EXPECT_FALSE(fs::exists(first.folder + "/dsi.ini"));
    EXPECT_FALSE(fs::exists(first.folder + "/setup.exe"));
    EXPECT_EQ(first.menuName, "Ann 的假日 (1)");
    EXPECT_EQ(::access((first.folder + "/glint-setup").c_str(), F_OK), 0);
    EXPECT_EQ(::access(first.launcher.c_str(), X_OK), 0);
    EXPECT_EQ(menuEntryOf(first.folder), data.path() + "/applications/glint-screensaver-1.desktop");

    // A second installation never touches the first.
    const Installed second =
        install(package.path(), plan, data.path(), package.file("setup.exe"), files);
    EXPECT_EQ(second.folder, data.path() + "/glint/screensavers/screensaver-2");
    EXPECT_EQ(second.menuEntry, data.path() + "/applications/glint-screensaver-2.desktop");
    EXPECT_TRUE(fs::exists(first.folder + "/a.jpg"));
}

TEST_F(Install, TheMenuEntryStartsThePlayerWhateverItsPathHoldsAndNothingElse) {
    const std::string entry = desktopEntry("Ann\nX", "/home/a b/$x\"%");
    EXPECT_NE(entry.find("Name=Ann\\nX\n"), std::string::npos);
    EXPECT_NE(entry.find("Exec=\"/home/a b/\\\\$x\\\\\"%%/pb.cc\"\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("Path=/home/a b/$x\"%\n"), std::string::npos);
    EXPECT_NE(entry.find("Exec=\"/home/a b/\\\\$x\\\\\"%%/glint-setup\" --uninstall\n"),
              std::string::npos);
}

TEST_F(Install, APackageMissingAFileOrListingAPathIsRefusedBeforeAnythingIsCopied) {
    fs::remove(package.file("m.wav"));
    EXPECT_THROW(planInstall(package.path()), InstallError);
    list("kg.ini", {"0"});  // without music the music file is not needed
    EXPECT_NO_THROW(planInstall(package.path()));
    // A listed name must name a file in the package folder itself, on whichever system the
    // package was made: no separator of any system, no drive.
    for (const char* name : {"../../etc/passwd", "..", "a\\b.jpg", "C:a.jpg", ""}) {
        list("pb.dat", {"a.jpg", name});
        EXPECT_THROW(planInstall(package.path()), InstallError) << name;
    }
    fs::remove(package.file("pb.cc"));
    EXPECT_THROW(planInstall(package.path()), InstallError);
    EXPECT_FALSE(fs::exists(data.file("glint")));
}

TEST_F(Install, AFailedCopyRemovesTheHalfMadeFolder) {
    InstallPlan plan = planInstall(package.path());
    plan.files.push_back("vanished.jpg");
    EXPECT_THROW(install(package.path(), plan, data.path(), package.file("setup.exe"), files),
                 InstallError);
    EXPECT_FALSE(fs::exists(data.path() + "/glint/screensavers/screensaver-1"));
}

}  // namespace
}  // namespace glint::installer
