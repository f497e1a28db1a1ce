// Pictures built into the executable as resources; this test program carries two of the
// authoring program's (tests/win32/device_tests.cmake).

#include "platform/win32/builtin_pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "platform/win32/win32_picture_loader.h"

namespace glint::platform::win32 {
namespace {

TEST(BuiltInPictures, APictureIsFoundByItsFileNameInAnyCaseAndDecodedAsFromItsFile) {
    const BuiltInPictures pictures;
    const Image background = pictures.picture("background.jpg");
    EXPECT_EQ(background.width(), 701);
    EXPECT_EQ(background.height(), 407);
    EXPECT_EQ(pictures.picture("BACKGROUND.JPG"), background);
    Win32PictureLoader loader;
    EXPECT_EQ(loader.load(GLINT_ARTWORK_DIR "\\background.jpg"), background);
}

TEST(BuiltInPictures, PixelsLessThanHalfOpaqueReadAsNoColor) {
    const Image hand = BuiltInPictures().picture("hand.png");
    ASSERT_EQ(hand.width(), 32);
    ASSERT_EQ(hand.height(), 32);
    const auto holes = std::count(hand.pixels().begin(), hand.pixels().end(), kNoColor);
    // The pointing hand covers part of its square; the rest paints nothing.
    EXPECT_GT(holes, 32 * 32 / 4);
    EXPECT_LT(holes, 32 * 32);
    EXPECT_EQ(hand.pixel(0, 31), kNoColor);
}

TEST(BuiltInPictures, AnUnknownNameIsRefused) {
    const BuiltInPictures pictures;
    EXPECT_THROW(pictures.picture("missing.jpg"), std::invalid_argument);
    EXPECT_THROW(pictures.picture(""), std::invalid_argument);
}

}  // namespace
}  // namespace glint::platform::win32
