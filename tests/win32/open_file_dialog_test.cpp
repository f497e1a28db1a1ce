// The file-open dialog's filter as the system's dialog takes it.

#include "platform/win32/open_file_dialog.h"

#include <gtest/gtest.h>

#include <string>

namespace glint::platform::win32 {
namespace {

using namespace std::string_literals;

TEST(OpenFileDialog, FilterPairsBecomeNullSeparatedEntriesEndedByASecondNull) {
    const std::wstring filter = dialogFilter("图片(*.bmp)|*.bmp|所有文件(*.*)|*.*");
    // The string's own terminator is the last of the two nulls that end the list.
    EXPECT_EQ(filter, L"图片(*.bmp)\0*.bmp\0所有文件(*.*)\0*.*\0"s);
    EXPECT_EQ(filter.c_str()[filter.size()], L'\0');
}

TEST(OpenFileDialog, ALastDescriptionWithoutPatternIsLeftOutAndNoFilterStaysEmpty) {
    EXPECT_EQ(dialogFilter("音乐(*.mp3)|*.mp3;*.MP3|其他"), L"音乐(*.mp3)\0*.mp3;*.MP3\0"s);
    EXPECT_EQ(dialogFilter(""), L"");
    EXPECT_EQ(dialogFilter("只有说明"), L"");
}

}  // namespace
}  // namespace glint::platform::win32
