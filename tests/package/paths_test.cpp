#include "package/paths.h"

#include <gtest/gtest.h>

namespace glint::package {
namespace {

TEST(Paths, AnOwnFolderLiteralReadsItsBackslashesAsTheNativeSeparator) {
    EXPECT_EQ(ownFolderPath("/opt/glint", "\\制作好的屏幕程序\\dsi.ini"),
              "/opt/glint/制作好的屏幕程序/dsi.ini");
    EXPECT_EQ(ownFolderPath("/opt/glint", "\\pic\\001_1.jpg"), "/opt/glint/pic/001_1.jpg");
    EXPECT_EQ(ownFolderPath("/opt/glint", "/pb.htm"), "/opt/glint/pb.htm");
}

TEST(Paths, TheOwnFolderAndAListedNameAreTakenAsTheyStand) {
    // A backslash is an ordinary character in a file name here.
    EXPECT_EQ(ownFolderPath("/a\\b", "\\pb.dat"), "/a\\b/pb.dat");
    EXPECT_EQ(namedPath("/pkg", "x\\y.jpg"), "/pkg/x\\y.jpg");
    EXPECT_EQ(namedPath("/pkg", ""), "/pkg/");
}

TEST(Paths, TheBareFileNameIsWhatFollowsTheLastSeparator) {
    EXPECT_EQ(bareFileName("/home/ann/Pictures/海边 1.JPG"), "海边 1.JPG");
    EXPECT_EQ(bareFileName("/home/ann/"), "");
    EXPECT_EQ(bareFileName("song.mp3"), "song.mp3");
    EXPECT_EQ(bareFileName("/a/b\\c.wav"), "b\\c.wav");
}

}  // namespace
}  // namespace glint::package
