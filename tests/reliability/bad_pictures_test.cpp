// The player on the pictures a package can list: files that are no pictures, the smallest and
// camera-sized ones, and lists far longer than anyone makes by hand. On the headless backend a
// picture is decoded only when it was registered; any other existing file cannot be decoded.

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/headless/headless_runtime.h"
#include "player/caption_number.h"
#include "tests/player/player_harness.h"

namespace glint::reliability {
namespace {

namespace fs = std::filesystem;
using platform::headless::RunResult;
using testing::PlayerHarness;
using testing::solidPicture;

constexpr platform::Rgb kFirst = platform::rgb(10, 0, 0);

TEST(BadPictures, AFileThatIsNoPictureEndsTheShowAtItsStepNamingIt) {
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case cases[] = {{"empty", ""},
                          {"cut off after its header", "\xFF\xD8\xFF\xE0\x00\x10JFIF"},
                          {"text", "these are not pixels\r\n"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PlayerHarness h;
        h.addPicture("first.jpg", solidPicture(6, 4, kFirst));
        h.folder.write("broken.jpg", c.bytes);
        h.writePackage({"first.jpg", "broken.jpg"});
        const auto& ticks = h.recordTicks();
        const RunResult result = h.run(60'000);
        EXPECT_EQ(result.end, RunResult::End::Error);
        EXPECT_FALSE(result.windowShown);
        EXPECT_EQ(result.errorReport, "Invalid picture: " + h.folder.file("broken.jpg"));
        ASSERT_EQ(ticks.size(), 1u);  // the first picture's slide ran to its end
        EXPECT_EQ(ticks[0].picture, kFirst);
        EXPECT_EQ(h.folder.read("broken.jpg"), c.bytes);
    }
}

TEST(BadPictures, AListedNameThatIsAFolderEndsTheShowNamingIt) {
    PlayerHarness h;
    h.addPicture("first.jpg", solidPicture(6, 4, kFirst));
    fs::create_directory(h.folder.file("album"));
    h.writePackage({"first.jpg", "album"});
    const RunResult result = h.run(60'000);
    EXPECT_EQ(result.end, RunResult::End::Error);
    EXPECT_EQ(result.errorReport, "File not found: " + h.folder.file("album"));
}

TEST(BadPictures, APictureOfOnePixelGoesThroughEveryEffectAndEverySweepPaintsIt) {
    PlayerHarness h(64, 48);
    const platform::Rgb dot = platform::rgb(1, 2, 3);
    h.addPicture("dot.jpg", solidPicture(1, 1, dot));
    h.writePackage({"dot.jpg"});
    std::vector<platform::Rgb> cornerAtHandBack;
    player::Form1& form = h.form();
    auto delay = form.stage().delay;
    form.stage().delay = [&](std::int16_t& dtime) {
        const platform::Rect& box = form.Picture1.pixelRect();
        cornerAtHandBack.push_back(form.surface().pixel(box.x, box.y));
        delay(dtime);
    };
    const auto& ticks = h.recordTicks();
    EXPECT_EQ(h.run(120'000).end, RunResult::End::TimeLimit);
    ASSERT_GE(ticks.size(), 15u);
    for (std::size_t k = 0; k < 14; ++k) EXPECT_EQ(ticks[k].effect, static_cast<int>(k));
    // A sweep paints the dot where the centred box's outer corner stands; a slide shows it in
    // the box instead.
    for (const int sweep : {1, 4, 5, 6, 7, 9, 11, 13}) {
        EXPECT_EQ(cornerAtHandBack.at(sweep), dot) << sweep;
    }
}

TEST(BadPictures, ACameraSizedPictureLargerThanTheScreenSlidesAndSweepsClippedToTheScreen) {
    // 3000 x 2000 (24 MB decoded): what a unit test can afford on the headless backend. The
    // 20,000-pixel pictures the Qt loader must cope with are a matter for its own tests.
    PlayerHarness h(1024, 768);
    platform::Image photo(3000, 2000);
    for (int y = 0; y < 2000; ++y) {
        for (int x = 0; x < 3000; ++x) photo.setPixel(x, y, platform::rgb(x % 251, y % 241, 9));
    }
    h.addPicture("photo.jpg", photo);
    h.writePackage({"photo.jpg"});
    player::Form1& form = h.form();
    std::vector<platform::Rect> boxAtHandBack;
    auto delay = form.stage().delay;
    form.stage().delay = [&](std::int16_t& dtime) {
        boxAtHandBack.push_back(form.Picture1.pixelRect());
        if (boxAtHandBack.size() == 2) {
            // The row sweep from the centre: the box's outer corner stands at (-990, -618).
            for (const auto& [x, y] : {std::pair{0, 0}, {1023, 767}, {512, 384}}) {
                EXPECT_EQ(form.surface().pixel(x, y), photo.pixel(x + 990, y + 618));
            }
        }
        delay(dtime);
    };
    const auto& ticks = h.recordTicks();
    const RunResult result = h.run(12'000);
    EXPECT_EQ(result.end, RunResult::End::TimeLimit);
    ASSERT_GE(ticks.size(), 2u);
    ASSERT_GE(boxAtHandBack.size(), 2u);
    // The slide from the left ends on the first tick at or past the centre, -990.
    EXPECT_EQ(boxAtHandBack[0].y, -618);
    EXPECT_GE(boxAtHandBack[0].x, -990);
    EXPECT_LT(boxAtHandBack[0].x, -990 + 7);
}

TEST(BadPictures, AListOfAHundredThousandLinesIsReadWholeAtEveryStepAndWrapsAfterItsLastLine) {
    PlayerHarness h(64, 48);
    std::string list;
    for (int line = 1; line <= 100'000; ++line) {
        list += "\"p" + std::to_string(line % 3) + ".jpg\"\r\n";
    }
    for (int k = 0; k < 3; ++k) {
        h.addPicture("p" + std::to_string(k) + ".jpg", solidPicture(4, 3, platform::rgb(k, 0, 1)));
    }
    h.writePackage({});
    h.folder.write("pb.dat", list);
    player::Form1& form = h.form();
    form.Form_Load();
    EXPECT_EQ(form.Picture1.picture().pixel(0, 0), platform::rgb(1, 0, 1));
    form.Label1.setCaption("99999");
    form.diaowenjian();  // line 100,000, then back to the first line
    EXPECT_EQ(form.Picture1.picture().pixel(0, 0), platform::rgb(1, 0, 1));
    EXPECT_EQ(form.Label1.caption(), "0");
    form.Label1.setCaption("99997");
    form.diaowenjian();
    EXPECT_EQ(form.Picture1.picture().pixel(0, 0), platform::rgb(2, 0, 1));
    EXPECT_EQ(form.Label1.caption(), "99998");
}

}  // namespace
}  // namespace glint::reliability
