#include <gtest/gtest.h>

#include "package/paths.h"

#include "tests/player/player_harness.h"

namespace glint::player {
namespace {

using platform::headless::RunResult;
using testing::PlayerHarness;
using testing::solidPicture;

struct StartUp : ::testing::Test {
    PlayerHarness h;
    void SetUp() override {
        h.addPicture("a.jpg", solidPicture(100, 50, platform::rgb(200, 0, 0)));
    }
};

TEST_F(StartUp, PlaysTheLastListedMusicFromItsOwnFolderOnlyWhenTheSwitchSaysOne) {
    h.writePackage({"a.jpg"});
    h.writeList("ms.dat", {"old.mp3", "晚风.wav"});
    h.writeList("kg.ini", {"0", "1"});
    h.run(0);
    EXPECT_EQ(h.media.requests(),
              (std::vector<std::string>{"open " + h.folder.file("晚风.wav"), "play"}));

    for (const std::string other : {"0", "1 ", "", "\"1\""}) {
        PlayerHarness quiet;
        quiet.addPicture("a.jpg", solidPicture(100, 50, 0));
        quiet.writePackage({"a.jpg"}, other);
        quiet.writeList("kg.ini", {"1", other});
        EXPECT_EQ(quiet.run(0).end, RunResult::End::TimeLimit);
        EXPECT_TRUE(quiet.media.requests().empty()) << "switch \"" << other << "\"";
    }
}

TEST_F(StartUp, ShowsTheLatestCaptionInTheTopRightCornerAndHidesThePointer) {
    h.writePackage({"a.jpg"});
    h.writeList("timu.dat", {"old caption", "Glint 屏保"});
    h.run(0);
    const platform::Label& caption = h.form().Label3;
    EXPECT_EQ(caption.caption(), "Glint 屏保");
    EXPECT_TRUE(caption.visible());
    EXPECT_EQ(caption.foreColor(), platform::rgb(255, 255, 0));
    EXPECT_EQ(caption.pixelRect(), (platform::Rect{1024 - 8 * 8, 0, 8 * 8, 16}));
    EXPECT_EQ(h.cursor.calls(), std::vector<bool>{false});
}

TEST_F(StartUp, AnEmptyCaptionShrinksToNothingAtTheRightEdge) {
    h.writePackage({"a.jpg"}, "1", "");
    h.run(0);
    EXPECT_EQ(h.form().Label3.pixelRect(), (platform::Rect{1024, 0, 0, 0}));
}

TEST_F(StartUp, PreparesTheFirstPictureCentredAndOutOfSight) {
    h.addPicture("b.jpg", solidPicture(10, 10, 0));
    h.writePackage({"a.jpg", "b.jpg"});
    const RunResult result = h.run(0);
    const Form1& form = h.form();
    EXPECT_TRUE(result.windowShown);
    EXPECT_TRUE(form.borderless());
    EXPECT_EQ(form.pixelRect(), (platform::Rect{0, 0, 1024, 768}));
    EXPECT_FALSE(form.Picture1.visible());
    EXPECT_EQ(form.Picture1.picture().pixel(0, 0), platform::rgb(200, 0, 0));
    // Outer 104 x 54 pixels, centred.
    EXPECT_EQ(form.Picture1.pixelRect(), (platform::Rect{460, 357, 104, 54}));
    EXPECT_EQ(form.Label1.caption(), "1");
    EXPECT_EQ(form.Label2.caption(), "0");
    EXPECT_TRUE(form.Timer1.enabled());
}

TEST_F(StartUp, WithOneListedPictureTheCounterGoesBackToZeroAtOnce) {
    h.writePackage({"a.jpg"});
    h.run(0);
    EXPECT_EQ(h.form().Label1.caption(), "0");
}

TEST_F(StartUp, AMissingPackageFileEndsTheProgramWithAReportNamingIt) {
    for (const std::string missing : {"ms.dat", "kg.ini", "timu.dat", "pb.dat", "a.jpg"}) {
        PlayerHarness broken;
        broken.addPicture("a.jpg", solidPicture(4, 4, 0));
        broken.writePackage({"a.jpg"});
        std::filesystem::remove(glint::package::filePath(broken.folder.file(missing)));
        const RunResult result = broken.run(10'000);
        EXPECT_EQ(result.end, RunResult::End::Error) << missing;
        EXPECT_EQ(result.status, 1);
        EXPECT_FALSE(result.windowShown);
        EXPECT_EQ(result.errorReport, "File not found: " + broken.folder.file(missing));
    }
}

TEST_F(StartUp, APictureThatCannotBeDecodedOrAMalformedListEndsTheProgram) {
    h.writePackage({"a.jpg", "broken.jpg"});
    h.folder.write("broken.jpg", "not a picture");
    h.form().Label1.setCaption("1");
    EXPECT_THROW(h.form().diaowenjian(), platform::PictureError);

    PlayerHarness shortLine;
    shortLine.addPicture("a.jpg", solidPicture(4, 4, 0));
    shortLine.writePackage({"a.jpg"});
    shortLine.folder.write("pb.dat", "\"a.jpg\"\r\nx\r\n");
    const RunResult result = shortLine.run(1000);
    EXPECT_EQ(result.end, RunResult::End::Error);
    EXPECT_NE(result.errorReport.find("pb.dat"), std::string::npos);
}

}  // namespace
}  // namespace glint::player
