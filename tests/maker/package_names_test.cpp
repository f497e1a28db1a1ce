#include "maker/package_names.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/support/native_path.h"

namespace glint::maker {
namespace {

using testing::native;

TEST(PackageNames, AFileKeepsItsBareNameUnlessAnotherFileTookItInThisBuild) {
    PackageNames names;
    EXPECT_EQ(names.nameFor(native("/home/ann/a.jpg")), "a.jpg");
    EXPECT_EQ(names.nameFor(native("/home/ann/a.jpg")), "a.jpg");  // listed twice: one file
    EXPECT_EQ(names.nameFor(native("/media/cam/a.jpg")), "a (2).jpg");
    EXPECT_EQ(names.nameFor(native("/tmp/a.jpg")), "a (3).jpg");
    EXPECT_EQ(names.nameFor(native("/media/cam/a.jpg")), "a (2).jpg");
    EXPECT_EQ(names.nameFor(native("/x/README")), "README");
    EXPECT_EQ(names.nameFor(native("/y/README")), "README (2)");
    EXPECT_EQ(names.nameFor(native("/y/.hidden")), ".hidden");
    EXPECT_EQ(names.nameFor(native("/z/.hidden")), ".hidden (2)");
}

TEST(PackageNames, TheSameListsGiveTheSameNamesAtEveryBuild) {
    const char* const listed[] = {"/b/x.jpg", "/a/x.jpg", "/b/x.jpg", "/c/x (2).jpg", "/d/x.jpg"};
    std::vector<std::string> first;
    std::vector<std::string> second;
    PackageNames one;
    PackageNames two;
    for (const char* path : listed) first.push_back(one.nameFor(native(path)));
    for (const char* path : listed) second.push_back(two.nameFor(native(path)));
    EXPECT_EQ(first, second);
    EXPECT_EQ(first, (std::vector<std::string>{"x.jpg", "x (2).jpg", "x.jpg", "x (2) (2).jpg",
                                               "x (3).jpg"}));
}

TEST(PackageNames, AChosenFileNeverTakesThePlaceOfThePackagesOwnFiles) {
    PackageNames names;
    EXPECT_EQ(names.nameFor(native("/m/pb.dat")), "pb (2).dat");
    EXPECT_EQ(names.nameFor(native("/m/dsi.ini")), "dsi (2).ini");
    EXPECT_EQ(names.nameFor(native("/m/setup.exe")), "setup (2).exe");
}

TEST(PackageNames, APathWithoutAFileNameIsRefused) {
    PackageNames names;
    for (const char* path : {"no-folder.jpg", "/pictures/", "/pictures/.", "/pictures/..", ""}) {
        EXPECT_THROW(names.nameFor(native(path)), std::invalid_argument) << path;
    }
}

}  // namespace
}  // namespace glint::maker
