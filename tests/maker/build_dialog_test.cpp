#include <gtest/gtest.h>

#include "package/paths.h"

#include <filesystem>

#include "maker/form3.h"
#include "maker/messages.h"
#include "maker/vendor.h"
#include "package/quoted_list.h"
#include "tests/maker/maker_harness.h"
#include "tests/support/native_path.h"

namespace glint::maker {
namespace {

using testing::native;
using testing::stored;

namespace fs = std::filesystem;
using testing::MakerHarness;
using testing::TempFolder;

struct BuildDialog : ::testing::Test {
    MakerHarness h;
    TempFolder chosen;  // where the user's own files lie
    Form3 dialog{h.services, h.desktop, h.files};

    void SetUp() override {
        h.folder.write("pb.sys", "the player program");
        fs::permissions(glint::package::filePath(h.folder.file("pb.sys")), fs::perms(0755));
        h.folder.write("sp.sys", "the installer program");
        fs::permissions(glint::package::filePath(h.folder.file("sp.sys")), fs::perms(0755));
    }
    // A file of the user's, listed in a working list.
    std::string choose(const std::string& list, const std::string& name, const std::string& bytes) {
        const std::string path = chosen.file(native(name));
        fs::create_directories(glint::package::filePath(path).parent_path());
        chosen.write(native(name), bytes);
        package::appendQuotedLine(h.packageFile(list), path);
        return path;
    }
    std::string package(const std::string& name) const { return h.readPackageFile(name); }
    bool inPackage(const std::string& name) const {
        return fs::exists(glint::package::filePath(h.packageFile(name)));
    }
    const std::vector<std::string>& messages() const { return h.desktop.messages(); }
};

TEST_F(BuildDialog, OpensCentredWithTheVendorsAddressAsCaptionAndTheFirstButtonFocused) {
    h.desktop.showModal(dialog, h.form());
    EXPECT_EQ(dialog.title(), "生成屏幕保护程序：");
    EXPECT_EQ(dialog.pixelRect(), (platform::Rect{322, 269, 380, 230}));
    EXPECT_EQ(dialog.Text1.text(), kVendorAddress);
    EXPECT_EQ(dialog.focusedControl(), &dialog.Command1);
    EXPECT_EQ(dialog.Command2.pixelRect(), (platform::Rect{264, 136, 97, 25}));
}

TEST_F(BuildDialog, ABuildCopiesEveryChosenFileAndWritesThePlayersFiles) {
    choose("dsi.ini", "a.jpg", "AAAA");
    choose("dsi.ini", "假日 照片/海边 1.jpg", "SEA");
    choose("mus_dsi.ini", "晚风.mp3", "MUSIC");
    dialog.Command1_Click();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(package("pb.dat"), stored("\"a.jpg\"\r\n\"海边 1.jpg\"\r\n"));
    EXPECT_EQ(package("ms.dat"), stored("\"晚风.mp3\"\r\n"));
    EXPECT_EQ(package("kg.ini"), "\"1\"\r\n");
    EXPECT_EQ(package("timu.dat"), std::string("\"") + kVendorAddress + "\"\r\n");
    EXPECT_EQ(package("a.jpg"), "AAAA");
    EXPECT_EQ(package("海边 1.jpg"), "SEA");
    EXPECT_EQ(package("晚风.mp3"), "MUSIC");
    EXPECT_EQ(package("pb.cc"), "the player program");
    // The copy keeps the player's permissions: it stays a program.
    EXPECT_EQ(fs::status(glint::package::filePath(h.packageFile("pb.cc"))).permissions(),
              fs::status(glint::package::filePath(h.folder.file("pb.sys"))).permissions());
    EXPECT_EQ(dialog.Command1.caption(), "成功！");
    EXPECT_EQ(chosen.read("a.jpg"), "AAAA");  // the user's files are untouched
}

TEST_F(BuildDialog, ABuildBeforeAnyMusicCopiesThePicturesThenStopsWithTheMessage) {
    choose("dsi.ini", "a.jpg", "AAAA");
    dialog.Command1_Click();
    EXPECT_EQ(messages(), std::vector<std::string>{kFileNotFoundMessage});
    EXPECT_EQ(package("pb.dat"), "\"a.jpg\"\r\n");
    EXPECT_EQ(package("a.jpg"), "AAAA");
    for (const char* absent : {"ms.dat", "pb.cc", "kg.ini", "timu.dat"}) {
        EXPECT_FALSE(inPackage(absent)) << absent;
    }
    EXPECT_EQ(dialog.Command1.caption(), "1、确定");
}

TEST_F(BuildDialog, TwoBuildsAppendEverythingTwiceAndTheCaptionIsWrittenAsTyped) {
    choose("dsi.ini", "a.jpg", "A");
    choose("mus_dsi.ini", "m.wav", "M");
    dialog.Command1_Click();
    dialog.Text1.setText("");
    dialog.Command1_Click();
    dialog.Text1.setText("Ann's \"best\" 假日");
    dialog.Command1_Click();
    EXPECT_EQ(package("pb.dat"), "\"a.jpg\"\r\n\"a.jpg\"\r\n\"a.jpg\"\r\n");
    EXPECT_EQ(package("kg.ini"), "\"1\"\r\n\"1\"\r\n\"1\"\r\n");
    EXPECT_EQ(package("timu.dat"), stored(std::string("\"") + kVendorAddress +
                                          "\"\r\n\"\"\r\n\"Ann's \"best\" 假日\"\r\n"));
    EXPECT_EQ(package::lastQuotedText(h.packageFile("timu.dat")), "Ann's \"best\" 假日");
    EXPECT_EQ(dialog.Command1.caption(), "成功！");
}

TEST_F(BuildDialog, AMissingSourceStopsTheBuildAndKeepsWhatWasDone) {
    choose("dsi.ini", "a.jpg", "A");
    const std::string gone = choose("dsi.ini", "gone.jpg", "G");
    choose("dsi.ini", "c.jpg", "C");
    choose("mus_dsi.ini", "m.wav", "M");
    fs::remove(glint::package::filePath(gone));
    dialog.Command1_Click();
    EXPECT_EQ(messages(), std::vector<std::string>{kFileNotFoundMessage});
    EXPECT_EQ(package("pb.dat"), "\"a.jpg\"\r\n\"gone.jpg\"\r\n");
    EXPECT_FALSE(inPackage("c.jpg"));
    EXPECT_FALSE(inPackage("pb.cc"));
}

TEST_F(BuildDialog, AFileAlreadyInThePackageFolderIsListedAndLeftWhole) {
    h.folder.write(std::string(MakerHarness::kPackageFolder) + "/own.jpg", "OWN");
    package::appendQuotedLine(h.packageFile("dsi.ini"), h.packageFile("own.jpg"));
    choose("mus_dsi.ini", "m.wav", "M");
    dialog.Command1_Click();
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(package("own.jpg"), "OWN");
    EXPECT_EQ(package("pb.dat"), "\"own.jpg\"\r\n");
}

TEST_F(BuildDialog, AFailedCopyLeavesTheEarlierCopyWholeAndTheNextBuildWorks) {
    choose("dsi.ini", "a.jpg", "FIRST");
    choose("mus_dsi.ini", "m.wav", "M");
    dialog.Command1_Click();
    // The chosen file becomes something that cannot be copied.
    fs::remove(glint::package::filePath(chosen.file("a.jpg")));
    fs::create_directory(glint::package::filePath(chosen.file("a.jpg")));
    dialog.Command1_Click();
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(package("a.jpg"), "FIRST");
    for (const auto& entry : fs::directory_iterator(glint::package::filePath(h.packageFile("")))) {
        EXPECT_EQ(entry.path().filename().string().find(".part-"), std::string::npos);
    }
    fs::remove(glint::package::filePath(chosen.file("a.jpg")));
    chosen.write("a.jpg", "SECOND");
    dialog.Command1_Click();
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(package("a.jpg"), "SECOND");
}

TEST_F(BuildDialog, TwoFilesWithOneNameFromDifferentFoldersAreBothKept) {
    choose("dsi.ini", "trip/a.jpg", "TRIP");
    choose("dsi.ini", "home/a.jpg", "HOME");
    choose("dsi.ini", "trip/a.jpg", "TRIP");
    choose("mus_dsi.ini", "m.wav", "M");
    dialog.Command1_Click();
    dialog.Command1_Click();
    EXPECT_EQ(
        package("pb.dat"),
        "\"a.jpg\"\r\n\"a (2).jpg\"\r\n\"a.jpg\"\r\n\"a.jpg\"\r\n\"a (2).jpg\"\r\n\"a.jpg\"\r\n");
    EXPECT_EQ(package("a.jpg"), "TRIP");
    EXPECT_EQ(package("a (2).jpg"), "HOME");
}

TEST_F(BuildDialog, APathWithoutAFileNameIsAFailure) {
    package::appendQuotedLine(h.packageFile("dsi.ini"), chosen.path() + package::kSeparator);
    dialog.Command1_Click();
    EXPECT_EQ(messages(), std::vector<std::string>{kFileNotFoundMessage});
    EXPECT_FALSE(inPackage("pb.dat"));
}

TEST_F(BuildDialog, PreviewStartsThePackagedPlayerOrSaysItIsMissing) {
    dialog.Command3_Click();
    EXPECT_EQ(messages(), std::vector<std::string>{kFileNotFoundMessage});
    choose("dsi.ini", "a.jpg", "A");
    choose("mus_dsi.ini", "m.wav", "M");
    dialog.Command1_Click();
    dialog.Command3_Click();
    EXPECT_EQ(messages().size(), 1u);
    EXPECT_EQ(h.desktop.startedPrograms().back(), h.packageFile("pb.cc"));
}

TEST_F(BuildDialog, GenerateCopiesTheInstallerAndCancelCloses) {
    dialog.Command2_Click();
    EXPECT_EQ(package("setup.exe"), "the installer program");
    EXPECT_EQ(dialog.Command2.caption(), "程序生成成功！");
    fs::remove(glint::package::filePath(h.folder.file("sp.sys")));
    Form3 again(h.services, h.desktop, h.files);
    again.Command2_Click();
    EXPECT_EQ(messages().back(), kFileNotFoundMessage);
    EXPECT_EQ(again.Command2.caption(), "3、生成程序");
    EXPECT_FALSE(again.closed());
    again.Command4_Click();
    EXPECT_TRUE(again.closed());
}

}  // namespace
}  // namespace glint::maker
