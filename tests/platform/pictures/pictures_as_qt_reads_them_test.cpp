// The loader of the travelling programs gives what the Qt loader, which read every picture
// before, gives for the same PNG and BMP files: alpha and transparency dropped, 16-bit samples
// rounded. Not for colour fields other than 8 bits in BMP files of 16 and 32 bits: Qt 6.4
// multiplies (31 of 5 bits gives 248, 10 bits give 0), ours repeat their bits down the byte as
// Windows does (31 gives 255); nor for the pixels RLE skips, which Qt leaves unset.

#include <gtest/gtest.h>

#include <png.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/pictures/native_picture_loader.h"
#include "platform/qt/qt_picture_loader.h"
#include "tests/platform/pictures/picture_files.h"
#include "tests/support/temp_folder.h"

namespace glint::platform::pictures {
namespace {

// Every sample value from 0 to 255 over 16 x 16 pixels, in every channel, alpha included.
std::string samples(int channels, int bitDepth) {
    std::string out;
    for (int pixel = 0; pixel < 256; ++pixel) {
        for (int c = 0; c < channels; ++c) {
            const int value = (pixel + 85 * c) & 0xFF;
            if (bitDepth == 16) out += static_cast<char>(value), out += static_cast<char>(pixel);
            if (bitDepth == 8) out += static_cast<char>(value);
        }
    }
    return out;
}

::testing::AssertionResult samePixels(const Image& native, const Image& byQt) {
    if (native.width() != byQt.width() || native.height() != byQt.height()) {
        return ::testing::AssertionFailure()
               << native.width() << " x " << native.height() << " instead of " << byQt.width()
               << " x " << byQt.height();
    }
    for (int y = 0; y < native.height(); ++y) {
        for (int x = 0; x < native.width(); ++x) {
            if (native.pixel(x, y) != byQt.pixel(x, y)) {
                return ::testing::AssertionFailure()
                       << "(" << x << ", " << y << "): " << std::hex << native.pixel(x, y)
                       << " instead of " << byQt.pixel(x, y);
            }
        }
    }
    return ::testing::AssertionSuccess();
}

TEST(PicturesAsQtReadsThem, PngAndBmpFilesGiveTheSamePixelsThroughBothLoaders) {
    std::vector<Rgb> palette;
    for (int k = 0; k < 16; ++k) palette.push_back(rgb(k * 16, 255 - k * 9, k * k));
    std::string indices;
    for (int k = 0; k < 128; ++k) indices += static_cast<char>(k * 37 & 0xFF);
    const std::string runs = bytes({2, 1, 4, 3, 0, 0, 0, 3, 5, 6, 7, 0, 3, 4, 0, 1});
    PngFile interlaced{16, 16, PNG_COLOR_TYPE_RGB, 8, samples(3, 8)};
    interlaced.interlaced = true;
    BmpFile v5{64, 1, 32, samples(4, 8), {}, 3, {0x0000FF00, 0x00FF0000, 0xFF000000, 0xFF}};
    v5.headerSize = 124;
    const std::vector<std::pair<const char*, std::string>> files = {
        {"rgba", PngFile{16, 16, PNG_COLOR_TYPE_RGBA, 8, samples(4, 8)}.bytes()},
        {"rgba16", PngFile{16, 16, PNG_COLOR_TYPE_RGBA, 16, samples(4, 16)}.bytes()},
        {"grey-alpha", PngFile{16, 16, PNG_COLOR_TYPE_GRAY_ALPHA, 8, samples(2, 8)}.bytes()},
        {"palette-alpha",
         PngFile{16, 16, PNG_COLOR_TYPE_PALETTE, 4, indices, palette, bytes({0, 90, 255, 3})}
             .bytes()},
        {"interlaced", interlaced.bytes()},
        {"bmp-4", BmpFile{32, 8, 4, indices, palette}.bytes()},
        {"bmp-v5-masks", v5.bytes()},
        {"bmp-32-alpha-byte", BmpFile{64, 1, 32, samples(4, 8)}.bytes()},
        {"bmp-rle8", BmpFile{6, 2, 8, runs, palette, 1}.bytes()},
    };
    glint::testing::TempFolder folder;
    NativePictureLoader native;
    qt::QtPictureLoader byQt;
    for (const auto& [name, bytes] : files) {
        folder.write(name, bytes);
        EXPECT_TRUE(samePixels(native.load(folder.file(name)), byQt.load(folder.file(name))))
            << name;
    }
}

}  // namespace
}  // namespace glint::platform::pictures
