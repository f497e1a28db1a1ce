#include "platform/posix/posix_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "package/file_error.h"
#include "tests/support/temp_folder.h"

namespace glint::platform::posix {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

TEST(PosixFiles, ACopyReplacesTheTargetAndKeepsTheSourcesPermissions) {
    TempFolder folder;
    folder.write("player", std::string(200'000, 'p'));
    fs::permissions(folder.file("player"), fs::perms(0755));
    folder.write("pb.cc", "old and longer than nothing");
    PosixFiles files;
    files.copyFile(folder.file("player"), folder.file("pb.cc"));
    EXPECT_EQ(folder.read("pb.cc"), std::string(200'000, 'p'));
    EXPECT_EQ(fs::status(folder.file("pb.cc")).permissions() & fs::perms::all, fs::perms(0755));
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"pb.cc", "player"}));
}

TEST(PosixFiles, CopyingAFileOntoItselfChangesNothing) {
    TempFolder folder;
    folder.write("a.jpg", "picture bytes");
    PosixFiles files;
    files.copyFile(folder.file("a.jpg"), folder.file("a.jpg"));
    files.copyFile(folder.file("a.jpg"), folder.path() + "/./a.jpg");
    EXPECT_EQ(folder.read("a.jpg"), "picture bytes");
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"a.jpg"});
}

TEST(PosixFiles, AFailedCopyLeavesTheTargetWholeAndNoTemporaryFile) {
    TempFolder folder;
    folder.write("a.jpg", "the earlier copy");
    fs::create_directory(folder.file("not-a-file"));
    PosixFiles files;
    EXPECT_THROW(files.copyFile(folder.file("not-a-file"), folder.file("a.jpg")),
                 package::FileError);
    EXPECT_THROW(files.copyFile(folder.file("gone.jpg"), folder.file("a.jpg")), package::FileError);
    EXPECT_THROW(files.copyFile(folder.file("a.jpg"), folder.file("missing/a.jpg")),
                 package::FileError);
    EXPECT_EQ(folder.read("a.jpg"), "the earlier copy");
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"a.jpg", "not-a-file"}));
}

TEST(PosixFiles, ALinkAtTheTargetIsReplacedNotFollowed) {
    TempFolder outside;
    TempFolder folder;
    outside.write("precious.txt", "keep me");
    fs::create_symlink(outside.file("precious.txt"), folder.file("a.jpg"));
    folder.write("new.jpg", "new");
    PosixFiles().copyFile(folder.file("new.jpg"), folder.file("a.jpg"));
    EXPECT_EQ(outside.read("precious.txt"), "keep me");
    EXPECT_FALSE(fs::is_symlink(folder.file("a.jpg")));
    EXPECT_EQ(folder.read("a.jpg"), "new");
}

TEST(PosixFiles, EmptyingAFolderRemovesFilesAndLinksButNotFoldersOrWhatLinksPointTo) {
    TempFolder outside;
    TempFolder folder;
    outside.write("target.txt", "outside");
    fs::create_directory(outside.file("dir"));
    folder.write("dsi.ini", "x");
    folder.write("pb.cc", "x");
    fs::create_directory(folder.file("keep"));
    folder.write("keep/inner.txt", "inner");
    fs::create_symlink(outside.file("target.txt"), folder.file("link.txt"));
    fs::create_directory_symlink(outside.file("dir"), folder.file("dirlink"));
    fs::create_symlink(folder.file("nowhere"), folder.file("dangling"));
    EXPECT_TRUE(PosixFiles().deleteFilesIn(folder.path()));
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"keep"});
    EXPECT_EQ(folder.read("keep/inner.txt"), "inner");
    EXPECT_EQ(outside.read("target.txt"), "outside");
    EXPECT_TRUE(fs::is_directory(outside.file("dir")));
    EXPECT_FALSE(PosixFiles().deleteFilesIn(folder.file("missing")));
}

}  // namespace
}  // namespace glint::platform::posix
