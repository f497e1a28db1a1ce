#include "assets/sample/sample_pictures.h"

#include <gtest/gtest.h>

#include <set>

namespace glint::assets {
namespace {

TEST(SamplePictures, NamesAreDistinctBareNamesAListLineCanHold) {
    std::set<std::string> seen;
    for (const SamplePicture& picture : samplePictures()) {
        EXPECT_TRUE(seen.insert(picture.fileName).second) << picture.fileName;
        EXPECT_EQ(picture.fileName.find_first_of("/\\\r\n"), std::string::npos) << picture.fileName;
    }
}

// The show stands in for a person's own photographs, so it exercises what they bring: an upright
// picture, odd sides, and both stored formats.
TEST(SamplePictures, SizesAndFormatsVaryAsPhotographsDo) {
    bool upright = false, odd = false, bmp = false, jpeg = false;
    for (const SamplePicture& picture : samplePictures()) {
        upright |= picture.size.height() > picture.size.width();
        odd |= picture.size.width() % 2 == 1 || picture.size.height() % 2 == 1;
        bmp |= std::string(picture.format) == "BMP";
        jpeg |= std::string(picture.format) == "JPEG";
    }
    EXPECT_TRUE(upright && odd && bmp && jpeg);
}

TEST(SamplePictures, EveryPictureIsPaintedEdgeToEdgeAtItsSize) {
    for (const SamplePicture& picture : samplePictures()) {
        const QImage image = picture.paint(picture.size);
        ASSERT_EQ(image.size(), picture.size) << picture.fileName;
        // Colours on a coarse grid: a painter that left the canvas (or a band of it) black, or
        // filled it with one colour, shows few.
        std::set<QRgb> colours;
        int black = 0;
        for (int y = 0; y < image.height(); y += 8) {
            for (int x = 0; x < image.width(); x += 8) {
                const QRgb c = image.pixel(x, y);
                colours.insert(c);
                if (qRed(c) + qGreen(c) + qBlue(c) == 0) ++black;
            }
        }
        EXPECT_GT(colours.size(), 500u) << picture.fileName;
        EXPECT_EQ(black, 0) << picture.fileName;
    }
}

}  // namespace
}  // namespace glint::assets
