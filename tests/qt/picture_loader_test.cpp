#include "platform/qt/qt_picture_loader.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>

#include "package/file_error.h"
#include "tests/qt/qt_test_support.h"
#include "tests/support/temp_folder.h"

namespace glint::platform::qt {
namespace {

using glint::testing::near;

struct PictureLoading : ::testing::Test {
    glint::testing::TempFolder folder;
    QtPictureLoader loader;

    std::string save(const QImage& image, const std::string& name, const char* format) {
        const std::string path = folder.file(name);
        EXPECT_TRUE(image.save(QString::fromStdString(path), format));
        return path;
    }
};

TEST_F(PictureLoading, GivesEveryPixelAsRgbWithoutAlphaInRowOrder) {
    QImage image(3, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    image.setPixel(2, 0, qRgb(0, 0, 255));
    image.setPixel(0, 1, qRgb(1, 2, 3));
    image.setPixel(1, 1, qRgb(255, 255, 255));
    image.setPixel(2, 1, qRgb(0, 0, 0));
    const Image loaded = loader.load(save(image, "exact.png", "PNG"));

    ASSERT_EQ(loaded.width(), 3);
    ASSERT_EQ(loaded.height(), 2);
    EXPECT_EQ(loaded.pixels(),
              (Image::Pixels{0xFF0000, 0x00FF00, 0x0000FF, 0x010203, 0xFFFFFF, 0x000000}));
}

TEST_F(PictureLoading, TurnsAJpegPhotoUprightAsItsExifOrientationSays) {
    const QByteArray jpeg = glint::testing::uprightPhoneJpeg(40, 20);
    // Named as another format: pictures are recognised by their content.
    folder.write("upright.bmp", jpeg.toStdString());

    const Image loaded = loader.load(folder.file("upright.bmp"));
    ASSERT_EQ(loaded.width(), 20);
    ASSERT_EQ(loaded.height(), 40);
    EXPECT_TRUE(near(loaded.pixel(10, 5), rgb(255, 0, 0), 40));
    EXPECT_TRUE(near(loaded.pixel(10, 35), rgb(0, 0, 255), 40));
}

TEST_F(PictureLoading, ReadsPicturesLargerThanQtsDefaultLimit) {
    // 6200 x 5600 is about 139 MB decoded, over the 128 MB Qt refuses by default.
    QImage image(6200, 5600, QImage::Format_RGB32);
    image.fill(qRgb(10, 120, 30));
    const Image loaded = loader.load(save(image, "camera.png", "PNG"));
    EXPECT_EQ(loaded.width(), 6200);
    EXPECT_EQ(loaded.height(), 5600);
    EXPECT_EQ(loaded.pixel(6199, 5599), rgb(10, 120, 30));
}

TEST_F(PictureLoading, AMissingFileIsFileNotFoundNamingIt) {
    const std::string path = folder.file("gone.jpg");
    try {
        loader.load(path);
        FAIL() << "no error";
    } catch (const package::FileError& error) {
        EXPECT_EQ(error.path(), path);
        EXPECT_EQ(std::string(error.what()), "File not found: " + path);
    }
}

TEST_F(PictureLoading, AFileThatIsNoPictureIsAPictureErrorNamingIt) {
    folder.write("broken.jpg", "\xFF\xD8 this is not really a picture");
    folder.write("empty.jpg", "");
    for (const char* name : {"broken.jpg", "empty.jpg"}) {
        const std::string path = folder.file(name);
        try {
            loader.load(path);
            FAIL() << name << ": no error";
        } catch (const PictureError& error) {
            EXPECT_EQ(std::string(error.what()), "Invalid picture: " + path);
        }
    }
}

}  // namespace
}  // namespace glint::platform::qt
