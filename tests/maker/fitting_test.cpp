// A picture larger than the screen, added to the picture list: the question, both answers with
// the working list's bytes, the fitted copy's size and place, and what builds and new projects
// do with it. A picture of a format the player cannot read, added as a JPEG copy.

#include <gtest/gtest.h>

#include <filesystem>

#include "maker/form2.h"
#include "maker/form3.h"
#include "package/paths.h"
#include "tests/maker/maker_harness.h"
#include "tests/support/native_path.h"

namespace glint::maker {
namespace {

namespace fs = std::filesystem;
using platform::Image;
using platform::PictureFormat;
using platform::PixelSize;
using platform::QuestionAnswer;
using testing::MakerHarness;
using testing::native;
using testing::stored;

constexpr platform::Rgb kRed = platform::rgb(255, 0, 0);
constexpr platform::Rgb kBlue = platform::rgb(0, 0, 255);
constexpr QuestionAnswer kShrink{true, false};
constexpr QuestionAnswer kKeep{false, false};

// Left half red, right half blue.
Image halves(int width, int height) {
    Image picture(width, height, kRed);
    for (int y = 0; y < height; ++y) {
        for (int x = width / 2; x < width; ++x) picture.setPixel(x, y, kBlue);
    }
    return picture;
}

std::string questionText(const std::string& name, const std::string& size) {
    return "图片“" + name + "”有 " + size +
           " 像素，比屏幕的 1024 × 768 像素大：放映时只显示它中间的一部分。\n\n"
           "要改为加入一份缩小到屏幕大小的副本吗？副本存放在“制作好的屏幕程序”文件夹中，"
           "原来的图片不会改动。";
}

struct Fitting : ::testing::Test {
    MakerHarness h;
    FormMain& f = h.form();
    testing::TempFolder mine;  // where the user's own photos lie

    std::string photo(const std::string& name, Image picture,
                      PictureFormat format = PictureFormat::Unknown) {
        const std::string path = mine.file(native(name));
        fs::create_directories(package::filePath(path).parent_path());
        mine.write(native(name), "the user's photo " + name);
        h.pictures.add(path, std::move(picture), format);
        return path;
    }
    void add(const std::string& path) {
        h.desktop.answerOpenDialogs({path});
        f.Picture1_Click();
    }
    std::string listLine(const std::string& path) const { return stored("\"" + path + "\"\r\n"); }
    bool inPackage(const std::string& name) const {
        return fs::exists(package::filePath(h.packageFile(name)));
    }
};

TEST_F(Fitting, APictureLargerThanTheScreenAsksWithBothSizesAndShrinkListsTheFittedCopy) {
    const std::string chosen = photo("假日/IMG_0001.HEIC", halves(3000, 2000));
    h.desktop.answerQuestions({kShrink});
    add(chosen);

    ASSERT_EQ(h.desktop.questions().size(), 1u);
    EXPECT_EQ(h.desktop.questions()[0],
              (platform::Question{questionText("IMG_0001.HEIC", "3000 × 2000"), "缩小到屏幕大小",
                                  "保持原样", "本次运行中其余的大图片也这样处理"}));
    const std::string copy = h.packageFile("IMG_0001.jpg");
    ASSERT_EQ(h.fitting.writes().size(), 1u);
    EXPECT_EQ(h.fitting.writes()[0].path, copy);
    EXPECT_EQ(h.fitting.writes()[0].size, (PixelSize{1024, 683}));  // 2000 x 1024 / 3000
    EXPECT_EQ(h.readPackageFile("dsi.ini"), listLine(copy));
    // The preview shows the copy as written, upright as the photo was.
    const Image& preview = f.Image1.picture();
    ASSERT_EQ(preview.width(), 1024);
    ASSERT_EQ(preview.height(), 683);
    EXPECT_EQ(preview.pixel(100, 340), kRed);
    EXPECT_EQ(preview.pixel(900, 340), kBlue);
    EXPECT_EQ(mine.read(native("假日/IMG_0001.HEIC")), "the user's photo 假日/IMG_0001.HEIC");
}

TEST_F(Fitting, KeepListsTheChosenPictureAsTodayAndWritesNoCopy) {
    const std::string chosen = photo("IMG_0002.jpg", halves(1000, 2000));
    h.desktop.answerQuestions({kKeep});
    add(chosen);
    EXPECT_EQ(h.desktop.questions().size(), 1u);
    EXPECT_TRUE(h.fitting.writes().empty());
    EXPECT_EQ(h.readPackageFile("dsi.ini"), listLine(chosen));
    EXPECT_FALSE(inPackage("IMG_0002.jpg"));
    EXPECT_EQ(f.Image1.picture().height(), 2000);
}

TEST_F(Fitting, OnlyAPictureWiderOrHigherThanTheScreenIsAsked) {
    h.desktop.answerQuestions({kKeep, kKeep});
    for (const auto& [name, width, height] :
         {std::tuple{"screen.jpg", 1024, 768}, std::tuple{"small.jpg", 40, 30},
          std::tuple{"wide.jpg", 1025, 10}, std::tuple{"high.jpg", 10, 769}}) {
        add(photo(name, halves(width, height)));
    }
    ASSERT_EQ(h.desktop.questions().size(), 2u);
    EXPECT_EQ(h.desktop.questions()[0].text, questionText("wide.jpg", "1025 × 10"));
    EXPECT_EQ(h.desktop.questions()[1].text, questionText("high.jpg", "10 × 769"));
    EXPECT_EQ(h.readPackageFile("dsi.ini"),
              listLine(mine.file("screen.jpg")) + listLine(mine.file("small.jpg")) +
                  listLine(mine.file("wide.jpg")) + listLine(mine.file("high.jpg")));
}

TEST_F(Fitting, TheCheckBoxGivesTheSameAnswerForTheRestOfThisRunOnly) {
    h.desktop.answerQuestions({{true, true}});
    const std::string tall = photo("tall.png", halves(1000, 2000));
    add(photo("a.jpg", halves(2048, 1024)));
    add(tall);
    EXPECT_EQ(h.desktop.questions().size(), 1u);
    ASSERT_EQ(h.fitting.writes().size(), 2u);
    EXPECT_EQ(h.fitting.writes()[1].size, (PixelSize{384, 768}));
    EXPECT_EQ(h.readPackageFile("dsi.ini"),
              listLine(h.packageFile("a.jpg")) + listLine(h.packageFile("tall.jpg")));

    // The next run asks again: the answer was kept nowhere.
    FormMain nextRun(h.services, h.desktop, h.files, h.fitting);
    h.desktop.answerQuestions({{false, true}});
    for (int i = 0; i < 2; ++i) {
        h.desktop.answerOpenDialogs({tall});
        nextRun.Picture1_Click();
    }
    EXPECT_EQ(h.desktop.questions().size(), 2u);
    EXPECT_EQ(h.fitting.writes().size(), 2u);
}

TEST_F(Fitting, TheCopyTakesTheFirstFreeNameMadeFromTheChosenFilesName) {
    h.folder.write(native(std::string(MakerHarness::kPackageFolder) + "/IMG.jpg"), "built earlier");
    h.desktop.answerQuestions({kShrink, kShrink, kShrink});
    add(photo("a/IMG.heic", halves(2048, 1024)));
    add(photo("b/IMG.jpg", halves(2048, 1024)));
    add(photo("c/.heic", halves(2048, 1024)));
    EXPECT_EQ(h.readPackageFile("dsi.ini"), listLine(h.packageFile("IMG (2).jpg")) +
                                                listLine(h.packageFile("IMG (3).jpg")) +
                                                listLine(h.packageFile(".heic.jpg")));
    EXPECT_EQ(h.readPackageFile("IMG.jpg"), "built earlier");
}

TEST_F(Fitting, AFittedCopySurvivesABuildUnchangedAndGoesWithANewProject) {
    h.folder.write("pb.sys", "the player program");
    h.desktop.answerQuestions({kShrink});
    add(photo("a/IMG.heic", halves(2048, 1024)));
    // Another picture of the copy's name, small, and chosen as it is.
    const std::string other = photo("b/IMG.jpg", halves(40, 30));
    add(other);
    mine.write("tone.wav", "music");
    h.desktop.answerOpenDialogs({mine.file("tone.wav")});
    f.Picture2_Click();
    const std::string fitted = h.readPackageFile("IMG.jpg");

    Form3 build(h.services, h.desktop, h.files);
    build.Command1_Click();
    EXPECT_TRUE(h.desktop.messages().empty());
    EXPECT_EQ(h.readPackageFile("pb.dat"), stored("\"IMG.jpg\"\r\n\"IMG (2).jpg\"\r\n"));
    EXPECT_EQ(h.readPackageFile("IMG.jpg"), fitted);
    EXPECT_EQ(h.readPackageFile("IMG (2).jpg"), "the user's photo b/IMG.jpg");

    Form2 newProject(h.services, h.desktop, h.files);
    newProject.Command1_Click();
    EXPECT_FALSE(inPackage("IMG.jpg"));
    EXPECT_TRUE(fs::is_empty(package::filePath(h.packageFile(""))));
}

TEST_F(Fitting, ACopyThatCannotBeWrittenIsReportedAndNothingIsListed) {
    h.fitting.failWrites = true;
    h.desktop.answerQuestions({kShrink});
    add(photo("IMG.heic", halves(2048, 1024)));
    add(photo("small.webp", halves(40, 30), PictureFormat::Other));
    EXPECT_EQ(h.desktop.messages(),
              (std::vector<std::string>{"无法写入缩小的图片：" + h.packageFile("IMG.jpg"),
                                        "无法写入缩小的图片：" + h.packageFile("small.jpg")}));
    EXPECT_TRUE(f.Image1.picture().isNull());
    EXPECT_FALSE(inPackage("dsi.ini"));
}

TEST_F(Fitting, APictureThePlayerCannotReadIsListedAsAFullSizeJpegCopyWithoutAsking) {
    const Image scripted = halves(640, 480);
    add(photo("相册/IMG_7.webp", scripted, PictureFormat::Other));
    f.Form_DropFiles({photo("相册/IMG_8.webp", halves(20, 10), PictureFormat::Other)});

    EXPECT_TRUE(h.desktop.questions().empty());
    EXPECT_TRUE(h.desktop.messages().empty());
    const std::string copy = h.packageFile("IMG_7.jpg");
    EXPECT_EQ(h.readPackageFile("dsi.ini"), listLine(copy) + listLine(h.packageFile("IMG_8.jpg")));
    EXPECT_EQ(h.pictures.load(copy), scripted);
    EXPECT_EQ(f.Image1.picture(), halves(20, 10));
    EXPECT_EQ(mine.read(native("相册/IMG_7.webp")), "the user's photo 相册/IMG_7.webp");
}

TEST_F(Fitting, TheFormatIsToldByContentWhereTheLoaderSaysItAndOtherwiseByExtension) {
    const std::string asTheyAre[] = {photo("named.webp", halves(8, 8), PictureFormat::Jpeg),
                                     photo("a.BMP", halves(8, 8)), photo("b.jpeg", halves(8, 8)),
                                     photo("c.Png", halves(8, 8))};
    for (const std::string& path : asTheyAre) add(path);
    add(photo("named.jpg", halves(8, 8), PictureFormat::Other));
    add(photo("e.gif", halves(8, 8)));

    std::string expected;
    for (const std::string& path : asTheyAre) expected += listLine(path);
    EXPECT_EQ(h.readPackageFile("dsi.ini"),
              expected + listLine(h.packageFile("named.jpg")) + listLine(h.packageFile("e.jpg")));
}

TEST_F(Fitting, ALargeHeicGivesOneCopyFittedOrAtItsOwnSizeAsTheUserAnswers) {
    h.desktop.answerQuestions({kShrink, kKeep});
    add(photo("a/IMG.HEIC", halves(2048, 1024), PictureFormat::Other));
    add(photo("b/IMG.HEIC", halves(2048, 1024), PictureFormat::Other));
    EXPECT_EQ(h.desktop.questions().size(), 2u);
    ASSERT_EQ(h.fitting.writes().size(), 2u);
    EXPECT_EQ(h.fitting.writes()[0].size, (PixelSize{1024, 512}));
    EXPECT_EQ(h.fitting.writes()[1].size, (PixelSize{2048, 1024}));
    EXPECT_EQ(h.readPackageFile("dsi.ini"),
              listLine(h.packageFile("IMG.jpg")) + listLine(h.packageFile("IMG (2).jpg")));
    EXPECT_EQ(f.Image1.picture(), halves(2048, 1024));
}

}  // namespace
}  // namespace glint::maker
