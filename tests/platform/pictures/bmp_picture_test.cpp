// BMP pictures written here byte by byte, in the forms painting programs and cameras of every age
// save them, and damaged or hostile ones.

#include "platform/pictures/bmp_picture.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "platform/services.h"
#include "tests/platform/pictures/picture_files.h"

namespace glint::platform::pictures {
namespace {

constexpr Rgb kRed = rgb(255, 0, 0), kGreen = rgb(0, 255, 0), kBlue = rgb(0, 0, 255);
constexpr Rgb kWhite = rgb(255, 255, 255), kGrey = rgb(128, 128, 128);

struct Bmp : BmpFile {
    Image decode() const { return decodeBytes(bmp::decode, bytes()); }
};

TEST(BmpPictures, EveryDepthGivesTheStoredColoursWithRowsFromTheBottomOrTheTop) {
    // Three columns: rows padded to four bytes. Stored bottom row first unless the height is
    // negative.
    const Image picture = pictureOf(3, {kRed, kGreen, kBlue, kWhite, 0, kGrey});
    const std::string top = bytes({0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0});
    const std::string bottom = bytes({255, 255, 255, 0, 0, 0, 128, 128, 128, 0, 0, 0});
    EXPECT_EQ((Bmp{3, 2, 24, bottom + top}.decode()), picture);
    EXPECT_EQ((Bmp{3, -2, 24, top + bottom}.decode()), picture);
    // 32 bits without masks: the fourth byte is no colour.
    const std::string top32 = bytes({0, 0, 255, 9, 0, 255, 0, 0, 255, 0, 0, 255});
    const std::string bottom32 = bytes({255, 255, 255, 1, 0, 0, 0, 2, 128, 128, 128, 3});
    EXPECT_EQ((Bmp{3, 2, 32, bottom32 + top32}.decode()), picture);

    const std::vector<Rgb> palette = {kRed, kGreen, kBlue, kWhite, 0, kGrey};
    EXPECT_EQ((Bmp{3, 2, 8, bytes({3, 4, 5, 0, 0, 1, 2, 0}), palette}.decode()), picture);
    EXPECT_EQ((Bmp{3, 2, 4, bytes({0x34, 0x50, 0, 0, 0x01, 0x20, 0, 0}), palette}.decode()),
              picture);
    Bmp core{3, 2, 8, bytes({3, 4, 5, 0, 0, 1, 2, 0}), palette};
    core.headerSize = 12;  // OS/2: colours of three bytes
    core.palette.resize(256);
    EXPECT_EQ(core.decode(), picture);
    // Indices past the colours the file gives are black.
    EXPECT_EQ((Bmp{2, 1, 1, bytes({0x80, 0, 0, 0}), {kWhite}}.decode()), pictureOf(2, {0, kWhite}));
}

TEST(BmpPictures, SixteenAndThirtyTwoBitsUseTheStandardMasksOrTheFilesOwn) {
    // 5 bits of 31 are 255; 16 of 5 bits are 132 (their bits repeated), 32 of 6 bits are 130.
    EXPECT_EQ((Bmp{3, 1, 16, bytes({0xFF, 0x7F, 0x00, 0x7C, 0x10, 0x02, 0, 0})}.decode()),
              pictureOf(3, {kWhite, kRed, rgb(0, 132, 132)}));
    Bmp rgb565{3, 1, 16, bytes({0x00, 0xF8, 0xE0, 0x07, 0x10, 0x04, 0, 0})};
    rgb565.compression = 3;
    rgb565.masks = {0xF800, 0x07E0, 0x001F};
    EXPECT_EQ(rgb565.decode(), pictureOf(3, {kRed, kGreen, rgb(0, 130, 132)}));
    rgb565.masks.clear();  // said to follow the header, as ImageMagick's BMP3 writer says
    EXPECT_EQ(rgb565.decode(), pictureOf(3, {rgb(247, 0, 0), rgb(8, 255, 0), rgb(8, 0, 132)}));
    // A V5 header whose masks put the colours in the other byte order, alpha in the lowest.
    Bmp v5{2, 1, 32, bytes({7, 0x10, 0x20, 0x30, 0, 0xFF, 0, 0})};
    v5.compression = 3;
    v5.masks = {0x0000FF00, 0x00FF0000, 0xFF000000, 0x000000FF};
    v5.headerSize = 124;
    EXPECT_EQ(v5.decode(), pictureOf(2, {rgb(0x10, 0x20, 0x30), kRed}));
}

TEST(BmpPictures, RunLengthEncodedRowsWithRunsJumpsAndAnEarlyEnd) {
    const std::vector<Rgb> palette = {kGrey, kRed, kGreen, kBlue, kWhite, 0};
    // From the bottom: a run of 3 reds; 3 pixels as they stand (padded) and a black; after the
    // row's end a jump one right and one up, a green, and the end of the picture. The pixels
    // passed over are black, whatever the palette's first colour.
    const std::string runs =
        bytes({3, 1, 0, 0, 0, 3, 2, 3, 4, 0, 1, 5, 0, 0, 0, 2, 1, 1, 1, 2, 0, 1});
    Bmp rle8{4, 4, 8, runs, palette, 1};
    EXPECT_EQ(rle8.decode(), pictureOf(4, {0, kGreen, 0, 0,           //
                                           0, 0, 0, 0,                //
                                           kGreen, kBlue, kWhite, 0,  //
                                           kRed, kRed, kRed, 0}));
    // RLE4: a run of 5 taking two indices in turn, then 3 as they stand.
    Bmp rle4{8, 1, 4, bytes({5, 0x12, 0, 3, 0x34, 0x50, 0, 1}), palette, 2};
    EXPECT_EQ(rle4.decode(), pictureOf(8, {kRed, kGreen, kRed, kGreen, kRed, kBlue, kWhite, 0}));
}

TEST(BmpPictures, DamagedOrHostileFilesAreAPictureErrorWithoutTheirClaimedMemory) {
    // Four columns of 24 bits: rows without padding, so every cut loses a pixel.
    const Bmp whole{4, 2, 24, std::string(24, '\x40')};
    const std::string file = whole.bytes();
    for (std::size_t length = 1; length < file.size(); ++length) {
        EXPECT_THROW(decodeBytes(bmp::decode, file.substr(0, length)), PictureError) << length;
    }
    EXPECT_THROW((Bmp{4, 3, 8, bytes({4, 1, 0, 0, 4, 2}), {kRed}, 1}.decode()), PictureError);

    const auto lying = [&](const char* what, auto change) {
        Bmp bmp = whole;
        change(bmp);
        EXPECT_THROW(bmp.decode(), PictureError) << what;
    };
    lying("no width", [](Bmp& b) { b.width = 0; });
    lying("a negative width", [](Bmp& b) { b.width = -4; });
    lying("the lowest height", [](Bmp& b) { b.height = INT_MIN; });
    lying("more rows than stored", [](Bmp& b) { b.height = 3; });
    lying("a wide row not stored", [](Bmp& b) { b.width = 100000; });
    lying("20000 x 20000, over the limit", [](Bmp& b) { b.width = b.height = 20000; });
    lying("7 bits a pixel", [](Bmp& b) { b.bitCount = 7; });
    lying("RLE8 of 24 bits", [](Bmp& b) { b.compression = 1; });
    lying("JPEG inside", [](Bmp& b) { b.compression = 4; });
    lying("an OS/2 2.x header", [](Bmp& b) { b.headerSize = 64; });
    std::string pastTheEnd = file;
    pastTheEnd[10] = static_cast<char>(200);
    EXPECT_THROW(decodeBytes(bmp::decode, pastTheEnd), PictureError);
    // A picture within its file but over the decoder's limit.
    EXPECT_THROW(decodeBytes(bmp::decode, file, 31), PictureError);
    EXPECT_EQ(decodeBytes(bmp::decode, file, 32).width(), 4);
}

}  // namespace
}  // namespace glint::platform::pictures
