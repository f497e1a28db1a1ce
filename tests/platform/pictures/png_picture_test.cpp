// PNG pictures written here with libpng in every colour type and depth, and damaged ones.

#include "platform/pictures/png_picture.h"

#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <algorithm>
#include <string>

#include "platform/services.h"
#include "tests/platform/pictures/picture_files.h"

namespace glint::platform::pictures {
namespace {

const Image kColours = pictureOf(
    3, {rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255), rgb(255, 255, 255), 0, rgb(40, 80, 160)});

// The colours as samples of 8 or 16 bits (16-bit ones a little below the 8-bit value times 257,
// so that only rounding gives it back), with alpha samples of any value, 0 among them.
std::string samplesOf(const Image& picture, int bitDepth, bool alpha) {
    std::string out;
    int k = 0;
    for (const Rgb colour : picture.pixels()) {
        for (const int shift : {16, 8, 0, -1}) {
            if (shift < 0 && !alpha) break;
            const int value =
                shift < 0 ? k++ * 97 & 0xFF : static_cast<int>(colour >> shift & 0xFF);
            const int sample = bitDepth == 16 ? std::max(0, value * 257 - 100) : value;
            if (bitDepth == 16) out += static_cast<char>(sample >> 8);
            out += static_cast<char>(sample & 0xFF);
        }
    }
    return out;
}

Image decode(const PngFile& png) {
    return decodeBytes(png::decode, png.bytes());
}

TEST(PngPictures, EveryColourTypeAndDepthGivesTheStoredColoursWithAlphaDropped) {
    EXPECT_EQ(decode({3, 2, PNG_COLOR_TYPE_RGB, 8, samplesOf(kColours, 8, false)}), kColours);
    EXPECT_EQ(decode({3, 2, PNG_COLOR_TYPE_RGBA, 8, samplesOf(kColours, 8, true)}), kColours);
    EXPECT_EQ(decode({3, 2, PNG_COLOR_TYPE_RGB, 16, samplesOf(kColours, 16, false)}), kColours);
    EXPECT_EQ(decode({3, 2, PNG_COLOR_TYPE_RGBA, 16, samplesOf(kColours, 16, true)}), kColours);
    const std::vector<Rgb> palette(kColours.pixels().begin(), kColours.pixels().end());
    EXPECT_EQ(decode({3, 2, PNG_COLOR_TYPE_PALETTE, 4, bytes({0x01, 0x20, 0x34, 0x50}), palette,
                      bytes({0, 128, 255, 7})}),
              kColours);

    const auto grey = [](int v) { return rgb(v, v, v); };
    const Image greys = pictureOf(3, {grey(0), grey(85), grey(170), grey(255), grey(40), 0});
    EXPECT_EQ(decode({3, 2, PNG_COLOR_TYPE_GRAY, 8, bytes({0, 85, 170, 255, 40, 0})}), greys);
    EXPECT_EQ(decode({3, 2, PNG_COLOR_TYPE_GRAY_ALPHA, 8,
                      bytes({0, 0, 85, 9, 170, 255, 255, 0, 40, 1, 0, 128})}),
              greys);
    EXPECT_EQ(decode({3, 1, PNG_COLOR_TYPE_GRAY, 1, bytes({0xA0})}),
              pictureOf(3, {grey(255), 0, grey(255)}));

    // Interlaced: seven passes over a picture whose sides are no multiple of the passes' steps.
    Image gradient(11, 9);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 11; ++x) gradient.setPixel(x, y, rgb(x * 23, y * 28, x * y * 2));
    }
    PngFile interlaced{11, 9, PNG_COLOR_TYPE_RGB, 8, samplesOf(gradient, 8, false)};
    interlaced.interlaced = true;
    EXPECT_EQ(decode(interlaced), gradient);
}

TEST(PngPictures, ACutShortDamagedOrOversizedFileIsAPictureError) {
    const std::string whole =
        PngFile{3, 2, PNG_COLOR_TYPE_RGB, 8, samplesOf(kColours, 8, false)}.bytes();
    // Anything cut before the end of the pixel data; only IEND, 12 bytes, is never read.
    for (std::size_t length = 1; length + 12 < whole.size(); ++length) {
        EXPECT_THROW(decodeBytes(png::decode, whole.substr(0, length)), PictureError) << length;
    }
    // IHDR (its data 16 bytes in) with a width of 20000 x 20000: with its check sum broken, then
    // mended, when it is over the limit.
    std::string huge = whole;
    for (const std::size_t at : {16u, 20u}) huge.replace(at, 4, bytes({0, 0, 0x4E, 0x20}));
    EXPECT_THROW(decodeBytes(png::decode, huge), PictureError);
    const uLong sum = crc32(0, reinterpret_cast<const Bytef*>(huge.data() + 12), 17);
    huge.replace(29, 4,
                 bytes({static_cast<int>(sum >> 24 & 0xFF), static_cast<int>(sum >> 16 & 0xFF),
                        static_cast<int>(sum >> 8 & 0xFF), static_cast<int>(sum & 0xFF)}));
    EXPECT_THROW(decodeBytes(png::decode, huge), PictureError);
    EXPECT_THROW(decodeBytes(png::decode, whole, 23), PictureError);
    EXPECT_EQ(decodeBytes(png::decode, whole, 24), kColours);
}

}  // namespace
}  // namespace glint::platform::pictures
