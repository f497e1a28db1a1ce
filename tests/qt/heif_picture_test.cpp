// Photos as phones save them, through the real loader: HEIC (and AVIF) by libheif, turned upright
// once, and WebP and TIFF by Qt's image-format plugins.

#include <gtest/gtest.h>

#include <libheif/heif.h>

#include <QImage>
#include <cstring>
#include <memory>
#include <string>

#include "platform/qt/qt_picture_loader.h"
#include "tests/qt/qt_test_support.h"
#include "tests/support/temp_folder.h"

namespace glint::platform::qt {
namespace {

using glint::testing::near;

constexpr Rgb kRed = rgb(255, 0, 0);
constexpr Rgb kBlue = rgb(0, 0, 255);

// Left half red, right half blue: turned a quarter clockwise, red is on top.
QImage redLeftBlueRight(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 0));
    for (int y = 0; y < height; ++y) {
        for (int x = width / 2; x < width; ++x) image.setPixel(x, y, qRgb(0, 0, 255));
    }
    return image;
}

// The EXIF block a phone adds to its HEIC photos, saying "turn a quarter clockwise to show
// upright" of the picture as stored: the EXIF mark, a big-endian TIFF header, one entry
// (Orientation, a SHORT, value 6) and no further directory.
std::string exifTurnedClockwise() {
    static const char block[] =
        "Exif\x00\x00"
        "MM\x00\x2A\x00\x00\x00\x08"
        "\x00\x01"
        "\x01\x12\x00\x03\x00\x00\x00\x01\x00\x06\x00\x00"
        "\x00\x00\x00\x00";
    return std::string(block, sizeof block - 1);
}

struct Release {
    void operator()(heif_context* c) const { heif_context_free(c); }
    void operator()(heif_image* i) const { heif_image_release(i); }
    void operator()(heif_encoder* e) const { heif_encoder_release(e); }
    void operator()(heif_encoding_options* o) const { heif_encoding_options_free(o); }
    void operator()(heif_image_handle* h) const { heif_image_handle_release(h); }
};

// Writes the picture as stored, with the file's own rotation as a phone writes it: "turn a
// quarter clockwise" (irot), and an EXIF block that says the same of the stored picture.
void writeHeif(const QImage& stored, heif_compression_format format, const std::string& path) {
    std::unique_ptr<heif_context, Release> context(heif_context_alloc());
    heif_encoder* encoder = nullptr;
    ASSERT_EQ(heif_context_get_encoder_for_format(context.get(), format, &encoder).code,
              heif_error_Ok);
    std::unique_ptr<heif_encoder, Release> ownedEncoder(encoder);
    heif_encoder_set_lossy_quality(encoder, 90);
    heif_image* raw = nullptr;
    ASSERT_EQ(heif_image_create(stored.width(), stored.height(), heif_colorspace_RGB,
                                heif_chroma_interleaved_RGB, &raw)
                  .code,
              heif_error_Ok);
    std::unique_ptr<heif_image, Release> image(raw);
    heif_image_add_plane(raw, heif_channel_interleaved, stored.width(), stored.height(), 8);
    int stride = 0;
    std::uint8_t* plane = heif_image_get_plane(raw, heif_channel_interleaved, &stride);
    for (int y = 0; y < stored.height(); ++y) {
        for (int x = 0; x < stored.width(); ++x) {
            const QRgb c = stored.pixel(x, y);
            std::uint8_t* at = plane + y * stride + 3 * x;
            at[0] = static_cast<std::uint8_t>(qRed(c));
            at[1] = static_cast<std::uint8_t>(qGreen(c));
            at[2] = static_cast<std::uint8_t>(qBlue(c));
        }
    }
    std::unique_ptr<heif_encoding_options, Release> options(heif_encoding_options_alloc());
    options->image_orientation = heif_orientation_rotate_90_cw;
    heif_image_handle* handle = nullptr;
    ASSERT_EQ(heif_context_encode_image(context.get(), raw, encoder, options.get(), &handle).code,
              heif_error_Ok);
    std::unique_ptr<heif_image_handle, Release> ownedHandle(handle);
    const std::string exif = exifTurnedClockwise();
    ASSERT_EQ(heif_context_add_exif_metadata(context.get(), handle, exif.data(),
                                             static_cast<int>(exif.size()))
                  .code,
              heif_error_Ok);
    ASSERT_EQ(heif_context_write_to_file(context.get(), path.c_str()).code, heif_error_Ok);
}

struct PhonePhotos : ::testing::Test {
    glint::testing::TempFolder folder;
    QtPictureLoader loader;

    void expectUprightTurnedOnce(const Image& loaded) {
        ASSERT_EQ(loaded.width(), 40);
        ASSERT_EQ(loaded.height(), 64);
        EXPECT_TRUE(near(loaded.pixel(20, 8), kRed, 48));
        EXPECT_TRUE(near(loaded.pixel(20, 56), kBlue, 48));
    }
};

TEST_F(PhonePhotos, AHeicPhotoIsTurnedUprightByItsOwnRotationAndNotAgainByItsExif) {
    // Named as a JPEG: pictures are recognised by their content.
    const std::string path = folder.file("IMG_0001.jpg");
    writeHeif(redLeftBlueRight(64, 40), heif_compression_HEVC, path);
    expectUprightTurnedOnce(loader.load(path));
}

TEST_F(PhonePhotos, AnAvifPhotoIsReadTheSameWay) {
    if (!heif_have_encoder_for_format(heif_compression_AV1)) GTEST_SKIP() << "no AV1 encoder";
    const std::string path = folder.file("photo.avif");
    writeHeif(redLeftBlueRight(64, 40), heif_compression_AV1, path);
    expectUprightTurnedOnce(loader.load(path));
}

TEST_F(PhonePhotos, WebpAndTiffPicturesAreReadThroughQtsPlugins) {
    for (const char* format : {"WEBP", "TIFF"}) {
        const std::string path = folder.file(std::string("picture.") + format);
        ASSERT_TRUE(redLeftBlueRight(64, 40).save(QString::fromStdString(path), format, 95))
            << format;
        const Image loaded = loader.load(path);
        ASSERT_EQ(loaded.width(), 64) << format;
        ASSERT_EQ(loaded.height(), 40) << format;
        EXPECT_TRUE(near(loaded.pixel(8, 20), kRed, 48)) << format;
        EXPECT_TRUE(near(loaded.pixel(56, 20), kBlue, 48)) << format;
    }
}

}  // namespace
}  // namespace glint::platform::qt
