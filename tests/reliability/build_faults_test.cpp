// The build when the disk fills up, when a chosen file vanishes while the build runs, and when the
// package folder holds a link leading out of it: the message, no source byte changed, no truncated
// file left, nothing outside the package folder touched, and the next build works.

#include <gtest/gtest.h>
#include <sys/mount.h>

#include <cerrno>
#include <algorithm>
#include <cstring>
#include <filesystem>

#include "maker/form3.h"
#include "maker/messages.h"
#include "package/quoted_list.h"
#include "platform/posix/posix_files.h"
#include "tests/maker/maker_harness.h"

namespace glint::reliability {
namespace {

namespace fs = std::filesystem;
using maker::kFileNotFoundMessage;
using testing::MakerHarness;
using testing::TempFolder;

// Copies as the platform does, but the chosen file named here vanishes just before its turn.
class VanishingSource : public platform::Files {
public:
    explicit VanishingSource(std::string victim) : m_victim(std::move(victim)) {}
    void copyFile(const std::string& from, const std::string& to) override {
        if (from == m_victim) fs::remove(from);
        m_real.copyFile(from, to);
    }
    bool deleteFilesIn(const std::string& folder) override { return m_real.deleteFilesIn(folder); }
    platform::EntryKind kindOf(const std::string& path) override { return m_real.kindOf(path); }
    std::vector<platform::FolderEntry> listFolder(const std::string& folder) override {
        return m_real.listFolder(folder);
    }

private:
    std::string m_victim;
    platform::posix::PosixFiles m_real;
};

struct BuildFaults : ::testing::Test {
    MakerHarness h;
    TempFolder user;

    void SetUp() override {
        h.folder.write("pb.sys", "the player program");
        fs::permissions(h.folder.file("pb.sys"), fs::perms(0755));
    }
    std::string choose(const char* list, const std::string& name, const std::string& bytes) {
        user.write(name, bytes);
        package::appendQuotedLine(h.packageFile(list), user.file(name));
        return user.file(name);
    }
    // Every name in the package folder: no half-written temporary copy may be among them.
    std::vector<std::string> packageNames() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(h.packageFile(""))) {
            names.push_back(e.path().filename());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(BuildFaults, ADiskThatFillsUpMidCopyLeavesNoTruncatedFileAndTheNextBuildWorks) {
    const std::string folder = h.packageFile("");
    if (::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=256k") != 0) {
        GTEST_SKIP() << "cannot mount a small file system here: " << std::strerror(errno);
    }
    struct Unmount {
        std::string folder;
        ~Unmount() { ::umount2(folder.c_str(), MNT_DETACH); }
    } unmount{folder};

    const std::string small(100 * 1024, 's');
    const std::string large(400 * 1024, 'L');
    choose("dsi.ini", "small.jpg", small);
    const std::string big = choose("dsi.ini", "large.jpg", large);
    choose("mus_dsi.ini", "m.wav", "M");
    maker::Form3 dialog(h.services, h.desktop, h.files);
    dialog.Command1_Click();
    EXPECT_EQ(h.desktop.messages(), std::vector<std::string>{kFileNotFoundMessage});
    EXPECT_EQ(h.readPackageFile("small.jpg"), small);
    EXPECT_EQ(packageNames(),
              (std::vector<std::string>{"dsi.ini", "mus_dsi.ini", "pb.dat", "small.jpg"}));
    EXPECT_EQ(TempFolder::readFile(big), large);

    // With room made (a smaller file in its place), the same lists build.
    user.write("large.jpg", "now small");
    dialog.Command1_Click();
    EXPECT_EQ(h.desktop.messages().size(), 1u);
    EXPECT_EQ(h.readPackageFile("large.jpg"), "now small");
    EXPECT_EQ(dialog.Command1.caption(), "成功！");
}

TEST_F(BuildFaults, AChosenFileThatVanishesMidBuildStopsItWithTheEarlierCopyWhole) {
    const std::string a = choose("dsi.ini", "a.jpg", "FIRST");
    choose("mus_dsi.ini", "m.wav", "M");
    maker::Form3 first(h.services, h.desktop, h.files);
    first.Command1_Click();
    ASSERT_TRUE(h.desktop.messages().empty());

    VanishingSource vanishing(a);
    maker::Form3 second(h.services, h.desktop, vanishing);
    second.Command1_Click();
    EXPECT_EQ(h.desktop.messages(), std::vector<std::string>{kFileNotFoundMessage});
    EXPECT_EQ(h.readPackageFile("a.jpg"), "FIRST");
    const std::vector<std::string> names = packageNames();
    EXPECT_FALSE(std::any_of(names.begin(), names.end(), [](const std::string& n) {
        return n.find(".part-") != std::string::npos;
    }));

    user.write("a.jpg", "BACK");
    first.Command1_Click();
    EXPECT_EQ(h.desktop.messages().size(), 1u);
    EXPECT_EQ(h.readPackageFile("a.jpg"), "BACK");
}

TEST_F(BuildFaults, ALinkInThePackageFolderLeadingOutIsReplacedAndWhatItLeadsToIsUntouched) {
    TempFolder outside;
    outside.write("precious.jpg", "keep me");
    fs::create_symlink(outside.file("precious.jpg"), h.packageFile("a.jpg"));
    fs::create_symlink(outside.file("precious.jpg"), h.packageFile("pb.cc"));
    choose("dsi.ini", "a.jpg", "NEW");
    choose("mus_dsi.ini", "m.wav", "M");
    maker::Form3 dialog(h.services, h.desktop, h.files);
    dialog.Command1_Click();
    EXPECT_TRUE(h.desktop.messages().empty());
    EXPECT_EQ(outside.read("precious.jpg"), "keep me");
    EXPECT_EQ(h.readPackageFile("a.jpg"), "NEW");
    EXPECT_EQ(h.readPackageFile("pb.cc"), "the player program");
    EXPECT_FALSE(fs::is_symlink(h.packageFile("a.jpg")));
}

}  // namespace
}  // namespace glint::reliability
