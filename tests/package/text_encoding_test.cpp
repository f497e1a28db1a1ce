#include "package/text_encoding.h"

#include <gtest/gtest.h>

namespace glint::package {
namespace {

TEST(TextEncoding, Utf8TextIsShownAsItStands) {
    EXPECT_EQ(displayText("Glint 示例屏保 \xF0\x9F\x98\x80"), "Glint 示例屏保 \xF0\x9F\x98\x80");
    EXPECT_EQ(displayText(""), "");
}

TEST(TextEncoding, ACaptionFromAWindowsPackageIsReadAsGbk) {
    // "中文标题" in GBK.
    EXPECT_EQ(displayText("\xD6\xD0\xCE\xC4\xB1\xEA\xCC\xE2"), "中文标题");
}

TEST(TextEncoding, MalformedUtf8IsNotTakenForUtf8) {
    EXPECT_FALSE(isValidUtf8("\xC0\x80"));          // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(isValidUtf8("\xE4\xB8"));          // cut off
    EXPECT_FALSE(isValidUtf8("\xF4\x90\x80\x80"));  // beyond U+10FFFF
    EXPECT_TRUE(isValidUtf8("\xF4\x8F\xBF\xBF"));
}

TEST(TextEncoding, BytesThatAreNeitherShowAReplacementInsteadOfFailing) {
    const std::string shown = displayText("ok\xFF");
    EXPECT_EQ(shown.substr(0, 2), "ok");
    EXPECT_NE(shown.find("\xEF\xBF\xBD"), std::string::npos);
}

}  // namespace
}  // namespace glint::package
