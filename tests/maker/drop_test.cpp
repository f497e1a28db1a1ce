// Files and folders dropped on the main window: the order and bytes of the list lines, what is
// passed over or refused, the fitting question, a long drop's progress and its cancel.

#include <gtest/gtest.h>

#include <filesystem>

#include "maker/dropped_files.h"
#include "package/paths.h"
#include "tests/maker/maker_harness.h"
#include "tests/support/native_path.h"

namespace glint::maker {
namespace {

namespace fs = std::filesystem;
using platform::Image;
using testing::MakerHarness;
using testing::native;
using testing::stored;

struct Drop : ::testing::Test {
    MakerHarness h;
    FormMain& f = h.form();
    testing::TempFolder mine;  // where the user's own photos and music lie

    std::string file(const std::string& name, const std::string& bytes = "bytes") {
        fs::create_directories(package::filePath(mine.file(native(name))).parent_path());
        mine.write(native(name), bytes);
        return mine.file(native(name));
    }
    std::string photo(const std::string& name, int width = 40, int height = 30,
                      platform::Rgb color = platform::rgb(1, 2, 3)) {
        const std::string path = file(name);
        h.pictures.add(path, Image(width, height, color));
        return path;
    }
    std::string lines(const std::vector<std::string>& paths) const {
        std::string all;
        for (const std::string& path : paths) all += "\"" + path + "\"\r\n";
        return stored(all);
    }
};

TEST(DropOrder, NamesSortAsAFileManagerShowsThemAndExtensionsTellTheKindWithoutCase) {
    std::vector<std::string> names = {"IMG_10.jpg", "img_2.JPG",  "IMG_1.jpg", "b.jpg",
                                      "A.jpg",      "IMG_02.jpg", "IMG_1a.jpg"};
    std::sort(names.begin(), names.end(), naturalLess);
    EXPECT_EQ(names, (std::vector<std::string>{"A.jpg", "b.jpg", "IMG_1.jpg", "IMG_1a.jpg",
                                               "IMG_02.jpg", "img_2.JPG", "IMG_10.jpg"}));
    for (const char* name : {"a.BMP", "a.jpeg", "a.Png", "a.gif", "a.webp", "a.tif", "a.TIFF",
                             "a.heic", "a.HEIF", "a.avif", "x.y.jpg"}) {
        EXPECT_EQ(mediaKindOf(name), MediaKind::Picture) << name;
    }
    for (const char* name :
         {"a.mp3", "a.WMA", "a.wav", "a.ogg", "a.flac", "a.m4a", "a.aac", "a.Opus"}) {
        EXPECT_EQ(mediaKindOf(name), MediaKind::Music) << name;
    }
    for (const char* name : {"a.txt", "jpg", "a.jpg.part", "a.", ""}) {
        EXPECT_EQ(mediaKindOf(name), MediaKind::Other) << name;
    }
}

TEST_F(Drop, FilesGoInDropOrderAndAFolderGivesItsFilesInNameOrderBeforeItsSubfolders) {
    const std::string first = photo("single/z.PNG");
    const std::string song = file("晚风.MP3");
    const std::string holiday = mine.file("假日");
    const std::string img10 = photo("假日/IMG_10.jpg");
    const std::string img2 = photo("假日/IMG_2.jpg");
    const std::string notes = file("假日/notes.txt");
    const std::string track = file("假日/track.flac");
    photo("假日/1 day/a.heic");
    const std::string day2 = photo("假日/2 day/b.jpg", 40, 30, platform::rgb(9, 8, 7));
    photo("假日/10 day/深/c.webp");
    // A link to a folder inside the tree is not followed.
    std::error_code linkError;
    fs::create_directory_symlink(package::filePath(mine.file("single")),
                                 package::filePath(mine.file(native("假日/linked"))), linkError);

    f.Form_DropFiles({first, song, holiday});

    // What the player cannot read goes in as a JPEG copy.
    EXPECT_EQ(h.readPackageFile("dsi.ini"),
              lines({first, img2, img10, h.packageFile("a.jpg"), day2, h.packageFile("c.jpg")}));
    EXPECT_EQ(h.readPackageFile("mus_dsi.ini"), lines({song, track}));
    EXPECT_EQ(f.Image1.picture().pixel(0, 0), platform::rgb(1, 2, 3));
    EXPECT_EQ(h.desktop.messages(),
              std::vector<std::string>{"已加入 6 张图片和 2 个音乐文件。\n\n没有加入的文件：\n"
                                       "不是图片或音乐，已跳过：" +
                                       notes});
    // Quick: no progress window, and the window takes input again.
    EXPECT_EQ(h.desktop.progressWindowsShown(), 0);
    EXPECT_FALSE(f.inputBlocked());

    // Everything added: no message.
    f.Form_DropFiles({day2});
    EXPECT_EQ(h.desktop.messages().size(), 1u);
    EXPECT_EQ(f.Image1.picture().pixel(0, 0), platform::rgb(9, 8, 7));
}

TEST_F(Drop, PicturesThatCannotBeReadOrListedAreRefusedAndThePreviewShowsTheLastOneAdded) {
    const std::string good = photo("good.jpg", 40, 30, platform::rgb(4, 5, 6));
    const std::string broken = file("broken.jpg");  // no picture in it
    std::vector<std::string> dropped = {good, broken, mine.file("gone.jpg")};
    std::string unlistable;
    if (package::kSeparator == '/') {
        unlistable = photo("two\nlines.png");
        dropped.push_back(unlistable);
    }
    f.Form_DropFiles(dropped);

    EXPECT_EQ(h.readPackageFile("dsi.ini"), lines({good}));
    EXPECT_EQ(f.Image1.picture().pixel(0, 0), platform::rgb(4, 5, 6));
    std::string expected = "已加入 1 张图片和 0 个音乐文件。\n\n没有加入的文件：\n找不到文件：" +
                           mine.file("gone.jpg") + "\n无法读取图片：" + broken;
    if (!unlistable.empty()) expected += "\n文件名中含有换行符，无法加入列表：" + unlistable;
    EXPECT_EQ(h.desktop.messages(), std::vector<std::string>{expected});
}

TEST_F(Drop, TheFittingQuestionAnsweredForTheRestIsAskedOnce) {
    h.desktop.answerQuestions({{true, true}});
    f.Form_DropFiles(
        {photo("a.jpg", 2048, 1024), photo("b.jpg", 10, 10), photo("c.jpg", 3000, 768)});
    EXPECT_EQ(h.desktop.questions().size(), 1u);
    EXPECT_EQ(h.readPackageFile("dsi.ini"),
              lines({h.packageFile("a.jpg"), mine.file("b.jpg"), h.packageFile("c.jpg")}));
    EXPECT_EQ(f.Image1.picture().width(), 1024);
    EXPECT_TRUE(h.desktop.messages().empty());
}

TEST_F(Drop, ALongDropShowsItsProgressAndCancelStopsAfterTheCurrentFile) {
    std::vector<std::string> dropped;
    for (int i = 1; i <= 6; ++i) dropped.push_back(photo("p" + std::to_string(i) + ".jpg"));
    // Each picture takes 400 ms to read: the progress window shows at the fourth step.
    h.pictures.beforeLoad = [this](const std::string&) { h.clock.advance(400); };
    h.desktop.cancelProgressAtUpdate(2);
    f.Form_DropFiles(dropped);

    EXPECT_EQ(h.readPackageFile("dsi.ini"),
              lines({dropped[0], dropped[1], dropped[2], dropped[3]}));
    using Update = platform::headless::ScriptedDesktop::ProgressUpdate;
    EXPECT_EQ(h.desktop.progressUpdates(),
              (std::vector<Update>{{"正在加入第 4 个文件，共 6 个：p4.jpg", 3, 6},
                                   {"正在加入第 5 个文件，共 6 个：p5.jpg", 4, 6}}));
    EXPECT_FALSE(h.desktop.progressWindowOpen());
    EXPECT_EQ(h.desktop.messages(), std::vector<std::string>{"已加入 4 张图片和 0 个音乐文件。\n"
                                                             "已取消：其余 2 个文件没有加入。"});
}

TEST_F(Drop, AListThatCannotBeWrittenStopsTheDropWithOneMessage) {
    fs::remove(package::filePath(h.folder.file(MakerHarness::kPackageFolder)));
    f.Form_DropFiles({file("a.mp3"), file("b.mp3"), file("c.mp3")});
    EXPECT_EQ(h.desktop.messages(),
              std::vector<std::string>{"已加入 0 张图片和 0 个音乐文件。\n其余 2 个文件没有加入。"
                                       "\n\n没有加入的文件：\n无法写入列表文件：" +
                                       h.packageFile("mus_dsi.ini")});
}

}  // namespace
}  // namespace glint::maker
