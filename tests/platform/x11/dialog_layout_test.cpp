#include "platform/x11/dialog_layout.h"

#include <gtest/gtest.h>

#include "platform/x11/dialog_utf8.h"

namespace glint::platform::x11 {
namespace {

// Every character 10 pixels wide, Latin and Chinese alike.
int tenPerCharacter(std::string_view text) {
    int width = 0;
    for (std::size_t at = 0; at < text.size(); at += utf8CharacterAt(text, at).length) width += 10;
    return width;
}

std::vector<std::string> wrapped(std::string_view text, int maxWidth) {
    return wrapText(text, maxWidth, tenPerCharacter);
}

using Lines = std::vector<std::string>;

TEST(DialogText, LineBreaksAreKeptAndShortLinesStayWhole) {
    EXPECT_EQ(wrapped("安装完成。\n\n屏幕保护程序已放在：\n/home/a", 400),
              (Lines{"安装完成。", "", "屏幕保护程序已放在：", "/home/a"}));
    EXPECT_EQ(wrapped("", 400), (Lines{""}));
}

TEST(DialogText, LatinWrapsAtTheLastSpaceThatFitsAndDropsOnlyThatSpace) {
    EXPECT_EQ(wrapped("hello big world", 90), (Lines{"hello big", "world"}));
    EXPECT_EQ(wrapped("  indented words here", 100), (Lines{"  indented", "words here"}));
}

TEST(DialogText, ChineseWrapsBetweenCharactersButNotBeforeClosingPunctuation) {
    EXPECT_EQ(wrapped("要把屏幕保护程序安装到这台电脑上吗？", 80),
              (Lines{"要把屏幕保护程序", "安装到这台电脑上", "吗？"}));
    // "吗" may not be parted from the "？" after it.
    EXPECT_EQ(wrapped("电脑上吗？", 40), (Lines{"电脑上", "吗？"}));
    // Quotation marks stay with the words they enclose.
    EXPECT_EQ(wrapped("设为“演”吗", 30), (Lines{"设为", "“演”", "吗"}));
}

TEST(DialogText, APathWrapsAfterASlashAndARunWithoutBreaksBetweenAnyCharacters) {
    EXPECT_EQ(wrapped("/home/user/.local/share/glint", 120),
              (Lines{"/home/user/", ".local/", "share/glint"}));
    EXPECT_EQ(wrapped("abcdefghij", 40), (Lines{"abcd", "efgh", "ij"}));
    // A line narrower than one character still shows every character, one a line.
    EXPECT_EQ(wrapped("ab", 5), (Lines{"a", "b"}));
}

TEST(DialogText, BrokenUtf8IsKeptAndMadeDrawable) {
    const std::string broken = "ab\xE4\xB8 c\xFF";
    Lines lines = wrapped(broken, 400);
    EXPECT_EQ(lines, (Lines{broken}));
    EXPECT_EQ(validUtf8(broken), "ab\xEF\xBF\xBD\xEF\xBF\xBD c\xEF\xBF\xBD");
    EXPECT_EQ(validUtf8("中文 ok"), "中文 ok");
    // Overlong and surrogate forms are not characters.
    EXPECT_EQ(utf8CharacterAt("\xC0\xAF", 0).code, kReplacementCharacter);
    EXPECT_EQ(utf8CharacterAt("\xED\xA0\x80", 0).code, kReplacementCharacter);
}

TEST(DialogLayout, ButtonsSitInTheBottomRightCornerInOrder) {
    const DialogLayout layout = layOutDialog({1.0, 20, {300, 120}, {30, 30}, false});
    ASSERT_EQ(layout.buttons.size(), 2u);
    const Box& yes = layout.buttons[0];
    const Box& no = layout.buttons[1];
    EXPECT_EQ(layout.width, 300 + 2 * 16);
    EXPECT_EQ(no.x + no.width, layout.width - 16);
    EXPECT_EQ(yes.x + yes.width + 8, no.x);
    EXPECT_EQ(yes.y, no.y);
    EXPECT_EQ(no.y + no.height, layout.height - 16);
    EXPECT_EQ(yes.width, 80);  // the least a button is
    EXPECT_GE(yes.y, layout.text.y + 2 * 20 + 16);
    EXPECT_EQ(layout.text.height, 40);
}

TEST(DialogLayout, TheDialogGrowsToItsWidestPartAndWithTheScale) {
    // A short text: the dialog is no narrower than its least width.
    EXPECT_EQ(layOutDialog({1.0, 20, {40}, {30}, false}).width, 200 + 32);
    // Wide button labels widen the dialog and their buttons.
    const DialogLayout wide = layOutDialog({1.0, 20, {40}, {200, 100}, false});
    EXPECT_EQ(wide.buttons[0].width, 232);
    EXPECT_EQ(wide.width, 232 + 8 + 132 + 32);
    // At twice the scale every size doubles; the text's own sizes come measured.
    const DialogLayout single = layOutDialog({1.0, 20, {300}, {30}, false});
    const DialogLayout twice = layOutDialog({2.0, 40, {600}, {60}, false});
    EXPECT_EQ(twice.width, 2 * single.width);
    EXPECT_EQ(twice.height, 2 * single.height);
    EXPECT_EQ(twice.buttons[0].x, 2 * single.buttons[0].x);
    EXPECT_EQ(wrapWidth(2.0), 800);
}

TEST(DialogLayout, TheFieldLiesBetweenTheTextAndTheButtonsAcrossTheDialog) {
    const DialogLayout layout = layOutDialog({1.0, 20, {100}, {30, 30}, true});
    ASSERT_TRUE(layout.field.has_value());
    EXPECT_EQ(layout.width, 240 + 32);
    EXPECT_EQ(layout.field->x, 16);
    EXPECT_EQ(layout.field->width, 240);
    EXPECT_GE(layout.field->y, layout.text.y + layout.text.height);
    EXPECT_GE(layout.field->height, 20);
    EXPECT_GT(layout.buttons[0].y, layout.field->y + layout.field->height);
    EXPECT_FALSE(layOutDialog({1.0, 20, {100}, {30}, false}).field.has_value());
}

}  // namespace
}  // namespace glint::platform::x11
