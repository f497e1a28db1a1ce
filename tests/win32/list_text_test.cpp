// List texts on Windows are the ANSI code page's bytes; the programs hold UTF-8.

#include "package/list_text.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "package/quoted_list.h"
#include "package/text_encoding.h"
#include "tests/support/temp_folder.h"

namespace glint::package {
namespace {

using testing::TempFolder;

TEST(ListText, ListsHoldTheAnsiCodePageAndReadBackAsTheSameText) {
    TempFolder folder;
    const std::string name = "C:\\照片\\Café.jpg";
    const bool chinese = GetACP() == 936;
    ASSERT_TRUE(listCanHold("C:\\photos\\a.jpg"));
    if (chinese) {
        ASSERT_TRUE(listCanHold(name));
        appendQuotedLine(folder.file("pb.dat"), name);
        // GBK: 照 = D5 D5, 片 = C6 AC; é has no GBK code and is not in the name below.
        EXPECT_EQ(folder.read("pb.dat").substr(0, 9), "\"C:\\\xD5\xD5\xC6\xAC\\");
        EXPECT_EQ(readQuotedTexts(folder.file("pb.dat")), std::vector<std::string>{name});
    }
    // No code page holds every character: a name with a character the code page lacks cannot be
    // stored and found again.
    const std::string unstorable = chinese ? "C:\\😀\\a.jpg" : "C:\\照片\\a.jpg";
    EXPECT_FALSE(listCanHold(unstorable));
    EXPECT_EQ(toListText(unstorable).find('?'), 3u);
}

TEST(ListText, ACaptionMadeOnAChineseSystemReadsRightAnywhere) {
    // "屏保" in GB18030.
    EXPECT_EQ(displayText("\xC6\xC1\xB1\xA3"), "屏保");
    EXPECT_EQ(fromGb18030("\xC6\xC1\xB1\xA3"), "屏保");
}

}  // namespace
}  // namespace glint::package
