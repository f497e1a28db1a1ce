#include "package/show_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "package/file_error.h"
#include "package/paths.h"
#include "tests/support/temp_folder.h"

namespace glint::package {
namespace {

using testing::TempFolder;
using Stored = std::vector<std::pair<std::string, std::string>>;

std::string littleEndian(std::uint64_t value, int size) {
    std::string bytes;
    for (int i = 0; i < size; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xFF);
    return bytes;
}

// A show file laid out by hand as show_file.h describes it, whatever names it is given.
std::string handMade(const std::string& stub, const Stored& files) {
    std::string body = stub, index;
    for (const auto& [name, bytes] : files) {
        index += littleEndian(name.size(), 2) + name + littleEndian(body.size(), 8) +
                 littleEndian(bytes.size(), 8) + littleEndian(crc32(0, &bytes[0], bytes.size()), 4);
        body += bytes;
    }
    std::string trailer = std::string("GLINTSHOW1") + std::string(6, '\0') +
                          littleEndian(stub.size(), 8) + littleEndian(body.size(), 8) +
                          littleEndian(index.size(), 8) + littleEndian(files.size(), 4);
    body += index;
    return body + trailer + littleEndian(crc32(0, &body[0], body.size()), 4) +
           std::string(16, '\0');
}

void expectRefused(const std::string& path, const std::string& saying) {
    try {
        readShowFile(path);
        ADD_FAILURE() << "read: " << TempFolder::readFile(path);
    } catch (const ShowFileError& error) {
        EXPECT_NE(std::string(error.what()).find(saying), std::string::npos) << error.what();
    }
}

std::ptrdiff_t entriesIn(const std::string& folder) {
    const std::filesystem::directory_iterator entries(filePath(folder));
    return std::distance(begin(entries), end(entries));
}

// Continued and combined CRC-32s: the round trip below matches the writer's against handMade's.
TEST(ShowFileCrc, IsZlibsCrc32) {
    EXPECT_EQ(crc32(0, "123456789", 9), 0xCBF43926u);
    EXPECT_EQ(crc32(0, "The quick brown fox jumps over the lazy dog", 43), 0x414FA339u);
}

TEST(ShowFile, RoundTripsTheStubAndFilesByTheLayoutItDescribes) {
    TempFolder work;
    work.write("installer", "#!/bin/sh\n");
    work.write("photo", std::string((1 << 20) + 5, 'p') + "end");  // more than one block
    writeShowFile(work.file("show.run"),
                  {{"", work.file("installer"), std::nullopt}, {"", "", std::string("STUB")}},
                  {{"海边 1.jpg", work.file("photo"), std::nullopt},
                   {"空.txt", "", std::string()},
                   {"pb.dat", "", std::string("\"海边 1.jpg\"\r\n")}});
    const Stored stored{
        {"海边 1.jpg", work.read("photo")}, {"空.txt", ""}, {"pb.dat", "\"海边 1.jpg\"\r\n"}};
    EXPECT_EQ(work.read("show.run"), handMade("#!/bin/sh\nSTUB", stored));

    const ShowFileIndex index = readShowFile(work.file("show.run"));
    std::filesystem::create_directory(filePath(work.file("out")));
    extractShowFile(work.file("show.run"), index, work.file("out"));
    for (const auto& [name, bytes] : stored) EXPECT_EQ(work.read("out/" + name), bytes) << name;
    copyStub(work.file("show.run"), index.stubSize, work.file("stub"));
    EXPECT_EQ(work.read("stub"), "#!/bin/sh\nSTUB");
}

TEST(ShowFile, ACutOrAlteredFileIsRefusedAndNothingIsExtracted) {
    TempFolder work;
    const std::string whole = handMade("stub", {{"a.jpg", "first"}, {"b.jpg", "second"}});
    const std::size_t indexEnd = whole.size() - kShowTrailerSize;
    for (const std::size_t cut : std::initializer_list<std::size_t>{
             0, 4, 9, 15, 20, indexEnd - 1, indexEnd, indexEnd + 16, indexEnd + 24, indexEnd + 32,
             indexEnd + 40, indexEnd + 44, indexEnd + 48, whole.size() - 1}) {
        work.write("show", whole.substr(0, cut));
        EXPECT_THROW(readShowFile(work.file("show")), ShowFileError) << cut;
    }
    work.write("show", whole);
    const ShowFileIndex index = readShowFile(work.file("show"));
    std::string altered = whole;
    altered[10] ^= 0x20;  // inside "second"
    work.write("show", altered);
    expectRefused(work.file("show"), "文件已损坏或不完整");
    std::filesystem::create_directory(filePath(work.file("out")));
    EXPECT_THROW(extractShowFile(work.file("show"), index, work.file("out")), ShowFileError);
    EXPECT_EQ(entriesIn(work.file("out")), 0);
}

TEST(ShowFile, UnsafeNamesAreRefusedWhenWrittenAndWhenRead) {
    TempFolder work;
    const std::string longName(256, 'a');
    for (const std::string name :
         {"", ".", "..", "../x", "a/b", "a\\b", "c:x", "a?", "tab\t", "x.", "x ", "CON", "nul.jpg",
          "com1.txt", "lpt9", "\xC0\xAF", "\xED\xA0\x80", longName.c_str()}) {
        EXPECT_FALSE(isStorableName(name)) << name;
        EXPECT_THROW(writeShowFile(work.file("show"), {}, {{name, "", std::string("x")}}),
                     ShowFileError);
    }
    for (const std::string name : {"照片 1.jpg", ".hidden", "a..b", "con1.jpg", "console"}) {
        EXPECT_TRUE(isStorableName(name)) << name;
    }
    EXPECT_THROW(writeShowFile(work.file("show"), {},
                               {{"Sea.JPG", "", std::string()}, {"sea.jpg", "", std::string()}}),
                 ShowFileError);
    EXPECT_EQ(entriesIn(work.path()), 0);

    for (const Stored& files : {Stored{{"../evil", "x"}}, Stored{{"A", "x"}, {"a", "y"}}}) {
        work.write("show", handMade("", files));
        expectRefused(work.file("show"), "不安全的文件名");
    }
}

TEST(ShowFile, AFailureLeavesNothingItWrote) {
    TempFolder work;
    work.write("show.exe", "an earlier show");
    EXPECT_THROW(writeShowFile(work.file("show.exe"), {{"", "", std::string("stub")}},
                               {{"a.jpg", work.file("missing.jpg"), std::nullopt}}),
                 FileError);
    EXPECT_EQ(entriesIn(work.path()), 1);
    EXPECT_EQ(work.read("show.exe"), "an earlier show");

    work.write("show", handMade("", {{"a.jpg", "1"}, {"b.jpg", "2"}, {"c.jpg", "3"}}));
    std::filesystem::create_directory(filePath(work.file("out")));
    work.write("out/c.jpg", "the user's own");
    EXPECT_THROW(
        extractShowFile(work.file("show"), readShowFile(work.file("show")), work.file("out")),
        FileError);
    EXPECT_EQ(entriesIn(work.file("out")), 1);
    EXPECT_EQ(work.read("out/c.jpg"), "the user's own");
}

}  // namespace
}  // namespace glint::package
