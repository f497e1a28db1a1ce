// Pictures decoded with GDI+, run as a Windows program (under Wine here).

#include "platform/win32/win32_picture_loader.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <array>
#include <cstdlib>

#include "package/file_error.h"
#include "platform/win32/wide_text.h"
#include "tests/support/temp_folder.h"
#include "tests/win32/picture_files.h"

namespace glint::platform::win32 {
namespace {

using testing::quarterColors;
using testing::quarters;
using testing::TempFolder;

constexpr Rgb kRed = testing::kQuarterRed;
constexpr Rgb kGreen = testing::kQuarterGreen;
constexpr Rgb kBlue = testing::kQuarterBlue;
constexpr Rgb kWhite = testing::kQuarterWhite;

bool similar(Rgb a, Rgb b) {
    return testing::similar(a, b, 12);
}

struct PictureLoader : ::testing::Test {
    TempFolder folder;
    Win32PictureLoader loader;
};

TEST_F(PictureLoader, BitmapsLoadPixelForPixelWhicheverWayTheirRowsAreStored) {
    // Three pixels a row: each row padded to four bytes.
    Image picture(3, 2);
    picture.setPixel(0, 0, rgb(1, 2, 3));
    picture.setPixel(1, 0, rgb(250, 0, 7));
    picture.setPixel(2, 0, rgb(9, 128, 255));
    picture.setPixel(0, 1, rgb(0, 0, 0));
    picture.setPixel(1, 1, rgb(255, 255, 255));
    picture.setPixel(2, 1, rgb(77, 66, 55));
    folder.write("海边 照片.bmp", testing::bmpFile(picture));
    folder.write("top down.bmp", testing::bmpFile(picture, true));
    EXPECT_EQ(loader.load(folder.file("海边 照片.bmp")), picture);
    EXPECT_EQ(loader.load(folder.file("top down.bmp")), picture);
}

TEST_F(PictureLoader, JpegAndPngFilesLoadByTheirContentWhateverTheirNames) {
    const Image picture = quarters(64, 32);
    folder.write("photo.jpg", testing::encodedFile(picture, L"image/jpeg"));
    folder.write("photo.bmp", testing::encodedFile(picture, L"image/png"));
    const Image jpeg = loader.load(folder.file("photo.jpg"));
    ASSERT_EQ(jpeg.width(), 64);
    ASSERT_EQ(jpeg.height(), 32);
    const std::array<Rgb, 4> colors = quarterColors(jpeg);
    EXPECT_TRUE(similar(colors[0], kRed) && similar(colors[1], kGreen) &&
                similar(colors[2], kBlue) && similar(colors[3], kWhite));
    EXPECT_EQ(loader.load(folder.file("photo.bmp")), picture);
}

TEST_F(PictureLoader, TransparencyOfAUsersPictureIsDropped) {
    Image picture(2, 1, rgb(10, 20, 30));
    picture.setPixel(1, 0, kNoColor);
    folder.write("hole.png", testing::encodedFile(picture, L"image/png"));
    const Image loaded = loader.load(folder.file("hole.png"));
    EXPECT_EQ(loaded.pixel(0, 0), rgb(10, 20, 30));
    EXPECT_NE(loaded.pixel(1, 0), kNoColor);
}

TEST_F(PictureLoader, PhotosAreTurnedUprightAsTheirExifOrientationSays) {
    // Where the stored red, green, blue and white quarters show, for each orientation: top
    // left, top right, bottom left, bottom right.
    const std::array<std::array<Rgb, 4>, 9> shown{{
        {},
        {kRed, kGreen, kBlue, kWhite},  // 1 upright
        {kGreen, kRed, kWhite, kBlue},  // 2 mirrored
        {kWhite, kBlue, kGreen, kRed},  // 3 half turn
        {kBlue, kWhite, kRed, kGreen},  // 4 upside down
        {kRed, kBlue, kGreen, kWhite},  // 5 transposed
        {kBlue, kRed, kWhite, kGreen},  // 6 quarter turn to the right
        {kWhite, kGreen, kBlue, kRed},  // 7 transversed
        {kGreen, kWhite, kRed, kBlue},  // 8 quarter turn to the left
    }};
    const std::string jpeg = testing::encodedFile(quarters(64, 32), L"image/jpeg");
    for (int orientation = 1; orientation <= 8; ++orientation) {
        SCOPED_TRACE(orientation);
        const std::string name = "turned" + std::to_string(orientation) + ".jpg";
        folder.write(name, testing::withExifOrientation(jpeg, orientation, orientation % 2 == 0));
        const Image photo = loader.load(folder.file(name));
        const bool across = orientation >= 5;
        EXPECT_EQ(photo.width(), across ? 32 : 64);
        EXPECT_EQ(photo.height(), across ? 64 : 32);
        const std::array<Rgb, 4> colors = quarterColors(photo);
        for (int quarter = 0; quarter < 4; ++quarter) {
            EXPECT_TRUE(similar(colors[quarter], shown[orientation][quarter])) << quarter;
        }
    }
    // A value outside the standard's leaves the photo as stored.
    folder.write("odd.jpg", testing::withExifOrientation(jpeg, 9, true));
    EXPECT_EQ(loader.load(folder.file("odd.jpg")).width(), 64);
}

TEST_F(PictureLoader, AMissingFileAFolderAndADeviceAreNotFound) {
    CreateDirectoryW(widen(folder.file("album.jpg")).c_str(), nullptr);
    for (const std::string& path :
         {folder.file("missing.jpg"), folder.file("album.jpg"), std::string("\\\\.\\NUL")}) {
        try {
            loader.load(path);
            ADD_FAILURE() << path;
        } catch (const package::FileError& error) {
            EXPECT_EQ(error.path(), path);
            EXPECT_EQ(std::string(error.what()), "File not found: " + path);
        }
    }
}

TEST_F(PictureLoader, FilesThatAreNoPictureOrADamagedOneCannotBeDecoded) {
    const std::string jpeg = testing::encodedFile(quarters(64, 32), L"image/jpeg");
    folder.write("notes.jpg", "these are no pixels");
    folder.write("empty.bmp", "");
    folder.write("cut.jpg", jpeg.substr(0, 200));
    folder.write("cut.bmp", testing::bmpFile(quarters(64, 32)).substr(0, 40));
    for (const char* name : {"notes.jpg", "empty.bmp", "cut.jpg", "cut.bmp"}) {
        try {
            loader.load(folder.file(name));
            ADD_FAILURE() << name;
        } catch (const PictureError& error) {
            EXPECT_EQ(std::string(error.what()), "Invalid picture: " + folder.file(name));
        }
    }
}

TEST_F(PictureLoader, PicturesDeclaringAbsurdSizesFailWithoutExhaustingMemory) {
    // A bitmap header of 60,000 x 60,000 pixels (10.8 GB) over sixteen bytes of pixels.
    std::string bitmap = testing::bmpFile(Image(2, 2));
    const std::string side("\x60\xEA\x00\x00", 4);
    bitmap.replace(18, 4, side);
    bitmap.replace(22, 4, side);
    folder.write("huge.bmp", bitmap);
    // A JPEG whose frame header says 65,500 x 65,500.
    std::string jpeg = testing::encodedFile(quarters(64, 32), L"image/jpeg");
    const std::size_t frame = jpeg.find("\xFF\xC0");
    ASSERT_NE(frame, std::string::npos);
    jpeg.replace(frame + 5, 4, "\xFF\xDC\xFF\xDC");
    folder.write("huge.jpg", jpeg);
    for (const char* name : {"huge.bmp", "huge.jpg"}) {
        EXPECT_THROW(loader.load(folder.file(name)), PictureError) << name;
    }
    // Nothing of them was kept: an ordinary picture still loads.
    folder.write("small.bmp", testing::bmpFile(Image(2, 2, kBlue)));
    EXPECT_EQ(loader.load(folder.file("small.bmp")), Image(2, 2, kBlue));
}

TEST_F(PictureLoader, AFileOpenElsewhereLoadsAndIsLeftClosed) {
    folder.write("shared.bmp", testing::bmpFile(Image(4, 4, kGreen)));
    const std::wstring path = widen(folder.file("shared.bmp"));
    // An editor that has the picture open for writing.
    const HANDLE editor = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(editor, INVALID_HANDLE_VALUE);
    EXPECT_EQ(loader.load(folder.file("shared.bmp")), Image(4, 4, kGreen));
    CloseHandle(editor);
    // Only a file nobody else holds opens without sharing.
    const HANDLE alone = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                     OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(alone, INVALID_HANDLE_VALUE);
    if (alone != INVALID_HANDLE_VALUE) CloseHandle(alone);
}

TEST_F(PictureLoader, AHundredMegapixelPhotoLoads) {
    // 10,000 x 10,000 pixels: 400 MB as a picture, in a 32-bit process.
    Image photo(10000, 10000, kBlue);
    // White in the last sixteen rows' left half: whole blocks of the JPEG.
    for (int y = 9984; y < 10000; ++y) {
        for (int x = 0; x < 5008; ++x) photo.setPixel(x, y, kWhite);
    }
    folder.write("camera.jpg", testing::encodedFile(photo, L"image/jpeg"));
    photo = Image();
    const Image loaded = loader.load(folder.file("camera.jpg"));
    ASSERT_EQ(loaded.width(), 10000);
    ASSERT_EQ(loaded.height(), 10000);
    EXPECT_TRUE(similar(loaded.pixel(5000, 5000), kBlue));
    EXPECT_TRUE(similar(loaded.pixel(10, 9999), kWhite));
    EXPECT_TRUE(similar(loaded.pixel(9990, 9999), kBlue));
}

}  // namespace
}  // namespace glint::platform::win32
