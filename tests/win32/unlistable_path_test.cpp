// The authoring program on a Chinese system: a chosen file whose name the lists' code page (GBK)
// cannot hold is refused, as the system would otherwise store another name.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "package/paths.h"
#include "tests/maker/maker_harness.h"

namespace glint::maker {
namespace {

using testing::MakerHarness;

TEST(UnlistablePath, ANameOutsideTheAnsiCodePageIsRefusedAndNothingIsListed) {
    if (GetACP() != 936) GTEST_SKIP() << "needs the Chinese ANSI code page (LC_ALL=zh_CN.UTF-8)";
    MakerHarness h;
    FormMain& f = h.form();
    const std::string picture = h.folder.file("海边 😀.jpg");
    h.folder.write("海边 😀.jpg", "jpeg");
    h.pictures.add(picture, platform::Image(40, 30, 7));
    const std::string song = "C:\\音乐\\晚风 🎵.mp3";  // no emoji is in GBK
    h.desktop.answerOpenDialogs({picture, song, "C:\\音乐\\晚风.mp3"});
    f.Picture1_Click();
    f.Picture2_Click();
    f.Picture2_Click();
    ASSERT_EQ(h.desktop.messages().size(), 2u);
    EXPECT_EQ(h.desktop.messages()[0],
              "文件名中含有系统代码页无法表示的字符，无法加入列表：" + picture);
    EXPECT_EQ(h.desktop.messages()[1],
              "文件名中含有系统代码页无法表示的字符，无法加入列表：" + song);
    EXPECT_TRUE(f.Image1.picture().isNull());
    EXPECT_FALSE(std::filesystem::exists(package::filePath(h.packageFile("dsi.ini"))));
    // The name GBK holds is listed, in GBK: 晚 = CD ED, 风 = B7 E7.
    EXPECT_EQ(h.readPackageFile("mus_dsi.ini"), "\"C:\\\xD2\xF4\xC0\xD6\\\xCD\xED\xB7\xE7.mp3\"\r\n");
}

}  // namespace
}  // namespace glint::maker
