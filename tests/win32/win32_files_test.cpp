// The Windows file services, run as a Windows program (under Wine here).

#include "platform/win32/win32_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "package/file_error.h"
#include "package/paths.h"
#include "tests/support/temp_folder.h"

namespace glint::platform::win32 {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(package::filePath(folder))) {
        const std::u8string name = entry.path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string in(const TempFolder& folder, const std::string& name) {
    return folder.path() + "\\" + name;
}

TEST(Win32Files, ACopyReplacesTheTargetEvenAReadOnlyCopyOfAnEarlierBuild) {
    TempFolder folder;
    folder.write("照片.jpg", std::string(300'000, 'p'));
    folder.write("pb.cc", "old");
    Win32Files files;
    files.copyFile(in(folder, "照片.jpg"), in(folder, "pb.cc"));
    EXPECT_EQ(folder.read("pb.cc"), std::string(300'000, 'p'));
    // A read-only source gives a copy the next build can still replace.
    fs::permissions(package::filePath(in(folder, "照片.jpg")), fs::perms::owner_write,
                    fs::perm_options::remove);
    files.copyFile(in(folder, "照片.jpg"), in(folder, "copy.jpg"));
    folder.write("other.jpg", "other");
    files.copyFile(in(folder, "other.jpg"), in(folder, "copy.jpg"));
    EXPECT_EQ(folder.read("copy.jpg"), "other");
    EXPECT_EQ(namesIn(folder.path()),
              (std::vector<std::string>{"copy.jpg", "other.jpg", "pb.cc", "照片.jpg"}));
}

TEST(Win32Files, CopyingOntoItselfChangesNothingAndAFailedCopyLeavesTheTargetWhole) {
    TempFolder folder;
    folder.write("a.jpg", "the earlier copy");
    fs::create_directory(package::filePath(in(folder, "not-a-file")));
    Win32Files files;
    files.copyFile(in(folder, "a.jpg"), in(folder, "a.jpg"));
    files.copyFile(in(folder, "a.jpg"), folder.path() + "\\.\\a.jpg");
    EXPECT_THROW(files.copyFile(in(folder, "not-a-file"), in(folder, "a.jpg")),
                 package::FileError);
    EXPECT_THROW(files.copyFile(in(folder, "gone.jpg"), in(folder, "a.jpg")), package::FileError);
    EXPECT_THROW(files.copyFile(in(folder, "a.jpg"), in(folder, "missing\\a.jpg")),
                 package::FileError);
    EXPECT_EQ(folder.read("a.jpg"), "the earlier copy");
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"a.jpg", "not-a-file"}));
}

TEST(Win32Files, EmptyingAFolderDeletesItsFilesAndKeepsItsFolders) {
    TempFolder folder;
    folder.write("pb.dat", "\"a.jpg\"\r\n");
    folder.write("音乐.mp3", "music");
    fs::create_directory(package::filePath(in(folder, "inner")));
    folder.write("inner\\kept.jpg", "kept");
    Win32Files files;
    EXPECT_TRUE(files.deleteFilesIn(folder.path()));
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"inner"});
    EXPECT_EQ(folder.read("inner\\kept.jpg"), "kept");
    EXPECT_FALSE(files.deleteFilesIn(in(folder, "missing")));
}

}  // namespace
}  // namespace glint::platform::win32
