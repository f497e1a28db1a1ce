#include "package/paths.h"

#include <gtest/gtest.h>

#include "tests/support/native_path.h"

namespace glint::package {
namespace {

using testing::native;

TEST(Paths, AnOwnFolderLiteralReadsItsBackslashesAsTheNativeSeparator) {
    EXPECT_EQ(ownFolderPath("/opt/glint", "\\制作好的屏幕程序\\dsi.ini"),
              "/opt/glint" + native("/制作好的屏幕程序/dsi.ini"));
    EXPECT_EQ(ownFolderPath("/opt/glint", "\\pic\\001_1.jpg"),
              "/opt/glint" + native("/pic/001_1.jpg"));
    EXPECT_EQ(ownFolderPath("/opt/glint", "/pb.htm"), "/opt/glint/pb.htm");
}

TEST(Paths, TheOwnFolderAndAListedNameAreTakenAsTheyStand) {
    // The own folder is never rewritten, and a listed name is joined as it stands.
    EXPECT_EQ(ownFolderPath("/a\\b", "\\pb.dat"), "/a\\b" + native("/pb.dat"));
    EXPECT_EQ(namedPath("/pkg", "x\\y.jpg"), "/pkg" + native("/") + "x\\y.jpg");
    EXPECT_EQ(namedPath("/pkg", ""), "/pkg" + native("/"));
}

TEST(Paths, TheBareFileNameIsWhatFollowsTheLastSeparator) {
    EXPECT_EQ(bareFileName(native("/home/ann/Pictures/海边 1.JPG")), "海边 1.JPG");
    EXPECT_EQ(bareFileName(native("/home/ann/")), "");
    EXPECT_EQ(bareFileName("song.mp3"), "song.mp3");
    // Only the system's separator separates: elsewhere a backslash is a character of the name.
    EXPECT_EQ(bareFileName(std::string("/a/b") + (kSeparator == '/' ? "\\" : "/") + "c.wav"),
              kSeparator == '/' ? "b\\c.wav" : "/a/b/c.wav");
}

}  // namespace
}  // namespace glint::package
