#include "package/quoted_list.h"

#include <gtest/gtest.h>

#include "package/paths.h"

#include "package/file_error.h"
#include "package/list_text.h"
#include "tests/support/temp_folder.h"

namespace glint::package {
namespace {

using testing::TempFolder;

TEST(QuotedList, WritesEachTextAsOneQuotedLineAndReadsItBackByteForByte) {
    TempFolder folder;
    const std::string path = folder.file("list.dat");
    std::vector<std::string> texts = {"/home/ann/Pictures/sea side.jpg", "say \"cheese\"",
                                      "制作好的屏幕程序", "", "\""};
    // Where texts are the bytes the system gives, bytes that are no UTF-8 are kept too.
    const bool bytesKept = listCanHold("\xD6\xD0");
    if (bytesKept) texts.push_back("\xD6\xD0");
    for (const auto& text : texts) appendQuotedLine(path, text);

    EXPECT_EQ(folder.read("list.dat"),
              "\"/home/ann/Pictures/sea side.jpg\"\r\n\"say \"cheese\"\"\r\n\"" +
                  toListText("制作好的屏幕程序") + "\"\r\n\"\"\r\n\"\"\"\r\n" +
                  (bytesKept ? "\"\xD6\xD0\"\r\n" : ""));
    EXPECT_EQ(readQuotedTexts(path), texts);
    EXPECT_EQ(countLines(path), static_cast<std::int64_t>(texts.size()));
    EXPECT_EQ(lastQuotedText(path), texts.back());
}

TEST(QuotedList, StripsOneCharacterAtEachEndWhateverItIs) {
    TempFolder folder;
    folder.write("l.dat", "xabcx\r\n''\r\n\"a\r\n");
    EXPECT_EQ(readQuotedTexts(folder.file("l.dat")), (std::vector<std::string>{"abc", "", ""}));
}

TEST(QuotedList, CountsALastLineWithoutLineEndAndAcceptsBareLineEnds) {
    TempFolder folder;
    folder.write("l.dat", "\"one\"\r\n\"two\"\n\"three\"\r\"four\"");
    EXPECT_EQ(readQuotedTexts(folder.file("l.dat")),
              (std::vector<std::string>{"one", "two", "three", "four"}));
    EXPECT_EQ(countLines(folder.file("l.dat")), 4);
    EXPECT_EQ(lastQuotedText(folder.file("l.dat")), "four");
    // One line by its number, with the count, from the same reading.
    const QuotedLine third = readQuotedLine(folder.file("l.dat"), 3);
    EXPECT_EQ(third.count, 4);
    EXPECT_EQ(third.text, "three");
    for (std::int64_t none : {0, 5, -1}) {
        EXPECT_EQ(readQuotedLine(folder.file("l.dat"), none).text, std::nullopt) << none;
    }
}

TEST(QuotedList, ALineShorterThanTwoCharactersIsAReadErrorNamingTheFile) {
    TempFolder folder;
    folder.write("short.dat", "\"ok\"\r\nx\r\n\"later\"\r\n");
    folder.write("blank.dat", "\"ok\"\r\n\r\n\"later\"\r\n");
    for (const char* name : {"short.dat", "blank.dat"}) {
        try {
            readQuotedTexts(folder.file(name));
            FAIL() << name << " was read";
        } catch (const ListFormatError& e) {
            EXPECT_NE(std::string(e.what()).find("line 2"), std::string::npos);
        }
        // Reading one line still checks every line, before it and after it.
        try {
            readQuotedLine(folder.file(name), 3);
            FAIL() << name << " was read";
        } catch (const ListFormatError& e) {
            EXPECT_NE(std::string(e.what()).find(name), std::string::npos);
            EXPECT_NE(std::string(e.what()).find("line 2"), std::string::npos);
        }
        // Counting does not look inside lines.
        EXPECT_EQ(countLines(folder.file(name)), 3);
    }
}

TEST(QuotedList, AnEmptyFileHoldsNoLinesAndAnEmptyLastText) {
    TempFolder folder;
    folder.write("empty.dat", "");
    EXPECT_TRUE(readQuotedTexts(folder.file("empty.dat")).empty());
    EXPECT_EQ(lastQuotedText(folder.file("empty.dat")), "");
    EXPECT_EQ(countLines(folder.file("empty.dat")), 0);
}

TEST(QuotedList, AMissingFileIsAFileNotFoundErrorNamingIt) {
    TempFolder folder;
    const std::string path = folder.file("kg.ini");
    EXPECT_THROW(readQuotedTexts(path), FileError);
    EXPECT_THROW(countLines(path), FileError);
    try {
        lastQuotedText(path);
        FAIL();
    } catch (const FileError& e) {
        EXPECT_EQ(std::string(e.what()), "File not found: " + path);
        EXPECT_EQ(e.path(), path);
    }
}

TEST(QuotedList, AppendingIntoAMissingFolderFailsAndCreatesNothing) {
    TempFolder folder;
    const std::string path = folder.file("missing/dsi.ini");
    EXPECT_THROW(appendQuotedLine(path, "a"), FileError);
    EXPECT_FALSE(std::filesystem::exists(glint::package::filePath(folder.file("missing"))));
}

TEST(QuotedList, AppendingKeepsWhatTheFileHeld) {
    TempFolder folder;
    folder.write("kg.ini", "\"1\"\r\n");
    appendQuotedLine(folder.file("kg.ini"), "1");
    EXPECT_EQ(folder.read("kg.ini"), "\"1\"\r\n\"1\"\r\n");
}

}  // namespace
}  // namespace glint::package
