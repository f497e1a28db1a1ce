#include <gtest/gtest.h>

#include "package/list_text.h"
#include "package/paths.h"

#include <filesystem>

#include "tests/maker/maker_harness.h"
#include "tests/support/native_path.h"

namespace glint::maker {
namespace {

using testing::native;
using testing::stored;

using testing::MakerHarness;

constexpr const char* kPictureFilter =
    "图片(*.bmp)|*.bmp|图片(*.jpg)|*.jpg|图片(*.jpeg)|*.jpeg|所有文件(*.*)|*.*";
constexpr const char* kMusicFilter =
    "音乐(*.mp3)|*.mp3|音乐(*.wma)|*.wma|音乐(*.wav)|*.wav|所有文件(*.*)|*.*";

struct Lists : ::testing::Test {
    MakerHarness h;
    FormMain& f = h.form();

    // A picture the user can choose, outside the own folder.
    std::string choosablePicture(const std::string& name, platform::Rgb color) {
        h.folder.write(name, "jpeg");
        h.pictures.add(h.folder.file(name), platform::Image(40, 30, color));
        return h.folder.file(name);
    }
};

TEST_F(Lists, EachChosenPictureIsShownAndAppendedAsItsFullPathDuplicatesKept) {
    const std::string sea = choosablePicture("海边 假日.jpg", platform::rgb(1, 2, 3));
    h.desktop.answerOpenDialogs({sea, sea});
    f.Picture1_Click();
    EXPECT_EQ(f.Image1.picture().pixel(0, 0), platform::rgb(1, 2, 3));
    f.Picture1_Click();
    EXPECT_EQ(h.readPackageFile("dsi.ini"), stored("\"" + sea + "\"\r\n\"" + sea + "\"\r\n"));
    for (const auto& dialog : h.desktop.openDialogs()) {
        EXPECT_EQ(dialog.filter, kPictureFilter);
        EXPECT_EQ(dialog.fileName, "");
    }
    EXPECT_EQ(f.CommonDialog1.FileName, "");
}

TEST_F(Lists, CancellingThePictureDialogEmptiesThePreviewAndLeavesTheListAlone) {
    h.desktop.answerOpenDialogs({""});
    f.Picture1_Click();
    EXPECT_TRUE(f.Image1.picture().isNull());
    EXPECT_FALSE(std::filesystem::exists(glint::package::filePath(h.packageFile("dsi.ini"))));
}

TEST_F(Lists, EachChosenMusicFileIsAppendedWithoutTouchingThePreview) {
    h.desktop.answerOpenDialogs({"/home/ann/音乐/晚风 (live).mp3", "", "/m/b.wav"});
    for (int i = 0; i < 3; ++i) f.Picture2_Click();
    EXPECT_EQ(h.readPackageFile("mus_dsi.ini"),
              stored("\"/home/ann/音乐/晚风 (live).mp3\"\r\n\"/m/b.wav\"\r\n"));
    EXPECT_EQ(f.Image1.picture().pixel(0, 0), platform::rgb(0, 0, 92));  // still the sample
    EXPECT_EQ(h.desktop.openDialogs().at(2).filter, kMusicFilter);
    EXPECT_EQ(h.desktop.openDialogs().at(2).fileName, "");
    EXPECT_FALSE(std::filesystem::exists(glint::package::filePath(h.packageFile("dsi.ini"))));
}

TEST_F(Lists, AClickReturnsTheButtonToItsNormalPictureAndReleasesTheCapture) {
    f.hover(f.Picture2, {0, 0, 5, 5});
    f.Picture2_Click();
    EXPECT_EQ(f.Picture2.picture().pixel(0, 0), MakerHarness::normalColor("002"));
    EXPECT_EQ(f.mouseCapture(), nullptr);
}

TEST_F(Lists, WithoutThePackageFolderTheAppendIsReportedAndNothingIsWritten) {
    std::filesystem::remove(glint::package::filePath(h.folder.file(MakerHarness::kPackageFolder)));
    h.desktop.answerOpenDialogs({"/m/a.mp3", choosablePicture("a.jpg", 1)});
    f.Picture2_Click();
    f.Picture1_Click();
    ASSERT_EQ(h.desktop.messages().size(), 2u);
    EXPECT_NE(h.desktop.messages()[0].find(h.packageFile("mus_dsi.ini")), std::string::npos);
    EXPECT_NE(h.desktop.messages()[1].find(h.packageFile("dsi.ini")), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(
        glint::package::filePath(h.folder.file(MakerHarness::kPackageFolder))));
}

TEST_F(Lists, APictureThatCannotBeDecodedIsReportedAndNotListed) {
    h.folder.write("notes.txt", "not a picture");
    h.desktop.answerOpenDialogs({choosablePicture("a.jpg", 5), h.folder.file("notes.txt")});
    f.Picture1_Click();
    f.Picture1_Click();
    ASSERT_EQ(h.desktop.messages().size(), 1u);
    EXPECT_NE(h.desktop.messages()[0].find("notes.txt"), std::string::npos);
    EXPECT_TRUE(f.Image1.picture().isNull());
    EXPECT_EQ(h.readPackageFile("dsi.ini"), "\"" + h.folder.file("a.jpg") + "\"\r\n");
}

TEST_F(Lists, APathWithALineBreakIsRefused) {
    h.desktop.answerOpenDialogs({"/m/two\nlines.mp3", "/m/cr\r.wav"});
    f.Picture2_Click();
    f.Picture2_Click();
    EXPECT_EQ(h.desktop.messages().size(), 2u);
    EXPECT_FALSE(std::filesystem::exists(glint::package::filePath(h.packageFile("mus_dsi.ini"))));
}

// A list holds its texts in the system's code page: a name with a character the code page lacks
// would be stored as another name, so the choice is refused. Where lists hold the bytes of names
// as the system gives them, every name is listed.
TEST_F(Lists, APathTheListsCodePageCannotHoldIsRefusedWithAMessage) {
    const std::string song = native("/m/晚风 🎵.mp3");
    h.desktop.answerOpenDialogs({song});
    f.Picture2_Click();
    if (package::listCanHold(song)) {
        EXPECT_TRUE(h.desktop.messages().empty());
        EXPECT_EQ(h.readPackageFile("mus_dsi.ini"), stored("\"" + song + "\"\r\n"));
        return;
    }
    ASSERT_EQ(h.desktop.messages().size(), 1u);
    EXPECT_NE(h.desktop.messages()[0].find("代码页"), std::string::npos);
    EXPECT_NE(h.desktop.messages()[0].find(song), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(glint::package::filePath(h.packageFile("mus_dsi.ini"))));
}

}  // namespace
}  // namespace glint::maker
