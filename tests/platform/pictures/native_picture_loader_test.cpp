// The loader the travelling programs use: pictures told by content, files missing or of no
// picture.

#include "platform/pictures/native_picture_loader.h"

#include <gtest/gtest.h>

#include <png.h>

#include "package/file_error.h"
#include "tests/platform/pictures/picture_files.h"
#include "tests/support/temp_folder.h"

namespace glint::platform::pictures {
namespace {

TEST(NativePictureLoader, TellsPicturesByTheirFirstBytesWhateverTheirNames) {
    glint::testing::TempFolder folder;
    NativePictureLoader loader;
    const Rgb orange = rgb(250, 140, 20);
    folder.write("photo.bmp", jpegBytes(24, 16, orange));
    folder.write("bitmap.png", BmpFile{1, 1, 24, bytes({20, 140, 250, 0})}.bytes());
    folder.write("graphic.jpg",
                 PngFile{1, 1, PNG_COLOR_TYPE_RGB, 8, bytes({250, 140, 20})}.bytes());
    const Image photo = loader.load(folder.file("photo.bmp"));
    EXPECT_EQ(photo.width(), 24);
    EXPECT_EQ(photo.height(), 16);
    EXPECT_LE(std::abs(static_cast<int>(photo.pixel(12, 8) >> 16) - 250), 3);
    EXPECT_EQ(loader.load(folder.file("bitmap.png")), Image(1, 1, orange));
    EXPECT_EQ(loader.load(folder.file("graphic.jpg")), Image(1, 1, orange));

    folder.write("anim.gif", "GIF89a\x01\x00\x01\x00");
    folder.write("empty.jpg", "");
    for (const char* name : {"anim.gif", "empty.jpg"}) {
        EXPECT_THROW(loader.load(folder.file(name)), PictureError) << name;
    }
    EXPECT_THROW(loader.load(folder.file("missing.jpg")), package::FileError);
    EXPECT_THROW(loader.load(folder.path()), package::FileError);
}

}  // namespace
}  // namespace glint::platform::pictures
