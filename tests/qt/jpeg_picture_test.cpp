// JPEG photos through the real loader, which decodes them with libjpeg-turbo: the EXIF
// orientations phones write, the colour forms photos come in, and damaged or hostile files.

#include "platform/pictures/jpeg_picture.h"

#include <gtest/gtest.h>

// jpeglib.h needs FILE and size_t declared before it.
#include <cstdio>

#include <jpeglib.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "platform/qt/qt_conversions.h"
#include "platform/qt/qt_picture_loader.h"
#include "tests/qt/qt_test_support.h"
#include "tests/support/temp_folder.h"

namespace glint::platform::qt {
namespace {

using glint::testing::near;

constexpr Rgb kRed = rgb(255, 0, 0);
constexpr Rgb kGreen = rgb(0, 255, 0);
constexpr Rgb kBlue = rgb(0, 0, 255);
constexpr Rgb kYellow = rgb(255, 255, 0);
constexpr Rgb kGrey = rgb(128, 128, 128);

constexpr unsigned char kStartOfFrame = 0xC0;
constexpr unsigned char kStartOfScan = 0xDA;

// A picture in four coloured quarters: red, green over blue, yellow.
QImage quarters(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2;
            const bool bottom = y >= height / 2;
            image.setPixel(
                x, y,
                bottom ? (right ? 0xFFFFFF00 : 0xFF0000FF) : (right ? 0xFF00FF00 : 0xFFFF0000));
        }
    }
    return image;
}

QByteArray jpegOf(const QImage& image, bool progressive = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(100);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return bytes;
}

// Where the segment with this marker starts (its 0xFF), walking the segments from the start of
// the image; -1 when there is none before the picture data.
int segmentAt(const QByteArray& jpeg, unsigned char marker) {
    int at = 2;
    while (at + 4 <= jpeg.size() && static_cast<unsigned char>(jpeg[at]) == 0xFF) {
        if (static_cast<unsigned char>(jpeg[at + 1]) == marker) return at;
        if (static_cast<unsigned char>(jpeg[at + 1]) == kStartOfScan) return -1;
        at += 2 + (static_cast<unsigned char>(jpeg[at + 2]) << 8 |
                   static_cast<unsigned char>(jpeg[at + 3]));
    }
    return -1;
}

// EXIF data as a camera writes it into APP1: the EXIF mark, a TIFF header in either byte order,
// and a first directory of two entries, the maker's name (stored after the directory) and then
// the orientation, with no directory after it.
std::string exifData(int orientation, bool bigEndian) {
    std::string data("Exif\0\0", 6);
    const auto put = [&](std::uint32_t value, int bytes) {
        for (int k = 0; k < bytes; ++k) {
            const int shift = 8 * (bigEndian ? bytes - 1 - k : k);
            data += static_cast<char>(value >> shift & 0xFF);
        }
    };
    data += bigEndian ? "MM" : "II";
    put(42, 2);
    put(8, 4);  // the first directory follows the header
    put(2, 2);
    put(0x010F, 2), put(2, 2), put(6, 4), put(8 + 2 + 2 * 12 + 4, 4);  // maker, text, at its end
    put(0x0112, 2), put(3, 2), put(1, 4), put(static_cast<std::uint32_t>(orientation), 2),
        put(0, 2);
    put(0, 4);
    data += std::string("Glint\0", 6);
    return data;
}

// The orientation's value (two bytes, eight into its entry) ends this many bytes into exifData's
// result.
constexpr std::size_t kOrientationEnd = 6 + 8 + 2 + 12 + 10;

// The JPEG with an APP1 segment of this data right after its start of image.
QByteArray withApp1(QByteArray jpeg, const std::string& data) {
    const std::size_t length = data.size() + 2;  // counts its own two bytes
    std::string segment = "\xFF\xE1";
    segment += static_cast<char>(length >> 8);
    segment += static_cast<char>(length & 0xFF);
    segment += data;
    jpeg.insert(2, segment.data(), static_cast<qsizetype>(segment.size()));
    return jpeg;
}

int exifOrientationOf(const std::string& data) {
    // Exactly as long as the data, so a read past its end is one past the allocation.
    const std::vector<unsigned char> bytes(data.begin(), data.end());
    return pictures::jpeg::exifOrientation(bytes.data(), bytes.size());
}

// A CMYK JPEG (as print work flows write them) of four bands of ink, made with libjpeg, which
// also writes the Adobe marker such files carry.
QByteArray cmykJpeg(int width, int height) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<std::size_t>(width) * 4);
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < width; ++x) {
            for (int ink = 0; ink < 4; ++ink) {
                row[static_cast<std::size_t>(x * 4 + ink)] = ink == x * 4 / width ? 40 : 220;
            }
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(out), static_cast<qsizetype>(size));
    std::free(out);
    return bytes;
}

struct Quarters {
    Rgb topLeft, topRight, bottomLeft, bottomRight;
};

::testing::AssertionResult looksLike(const Image& image, const Quarters& expected) {
    const int w = image.width();
    const int h = image.height();
    const Rgb seen[] = {image.pixel(w / 4, h / 4), image.pixel(3 * w / 4, h / 4),
                        image.pixel(w / 4, 3 * h / 4), image.pixel(3 * w / 4, 3 * h / 4)};
    const Rgb wanted[] = {expected.topLeft, expected.topRight, expected.bottomLeft,
                          expected.bottomRight};
    for (int k = 0; k < 4; ++k) {
        if (!near(seen[k], wanted[k], 24)) {
            return ::testing::AssertionFailure()
                   << "quarter " << k << ": " << std::hex << seen[k] << " instead of " << wanted[k];
        }
    }
    return ::testing::AssertionSuccess();
}

// What Qt's reader, which read the photos before, makes of the same bytes.
QImage readByQt(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    return reader.read();
}

long peakVirtualKb() {
    std::ifstream status("/proc/self/status");
    std::string word;
    long kb = 0;
    while (status >> word) {
        if (word == "VmPeak:") status >> kb;
    }
    return kb;
}

struct JpegPictures : ::testing::Test {
    glint::testing::TempFolder folder;
    QtPictureLoader loader;

    std::string write(const std::string& name, const QByteArray& bytes) {
        folder.write(name, bytes.toStdString());
        return folder.file(name);
    }
    Image load(const QByteArray& bytes) { return loader.load(write("photo.jpg", bytes)); }

    void expectPictureError(const QByteArray& bytes, const std::string& what) {
        const std::string path = write("damaged.jpg", bytes);
        try {
            loader.load(path);
            ADD_FAILURE() << what << ": no error";
        } catch (const PictureError& error) {
            EXPECT_EQ(std::string(error.what()), "Invalid picture: " + path) << what;
        }
    }
};

TEST_F(JpegPictures, EveryExifOrientationShowsThePhotoUprightAsQtsReaderDid) {
    // The stored picture is red, green over blue, yellow; what each orientation shows upright.
    const Quarters upright[] = {
        {},
        {kRed, kGreen, kBlue, kYellow},  // 1: as stored
        {kGreen, kRed, kYellow, kBlue},  // 2: mirrored left to right
        {kYellow, kBlue, kGreen, kRed},  // 3: upside down
        {kBlue, kYellow, kRed, kGreen},  // 4: mirrored top to bottom
        {kRed, kBlue, kGreen, kYellow},  // 5: stored rows run down the left side
        {kBlue, kRed, kYellow, kGreen},  // 6: turned a quarter clockwise
        {kYellow, kGreen, kBlue, kRed},  // 7: stored rows run up the right side
        {kGreen, kYellow, kRed, kBlue},  // 8: turned a quarter anticlockwise
    };
    // Quarters on whole blocks of 16 pixels, so no colour bleeds into another's middle.
    const QByteArray stored = jpegOf(quarters(64, 32));
    for (const bool bigEndian : {false, true}) {
        for (int orientation = 1; orientation <= 8; ++orientation) {
            SCOPED_TRACE(::testing::Message()
                         << "orientation " << orientation << (bigEndian ? ", MM" : ", II"));
            const QByteArray photo = withApp1(stored, exifData(orientation, bigEndian));
            const Image loaded = load(photo);
            const bool turned = orientation >= 5;
            EXPECT_EQ(loaded.width(), turned ? 32 : 64);
            EXPECT_EQ(loaded.height(), turned ? 64 : 32);
            EXPECT_TRUE(looksLike(loaded, upright[orientation]));
            const QImage byQt = readByQt(photo);
            EXPECT_EQ(loaded.width(), byQt.width());
            EXPECT_EQ(loaded.height(), byQt.height());
            EXPECT_TRUE(looksLike(toImage(byQt, Alpha::Drop), upright[orientation]));
        }
    }
    // XMP data uses APP1 too, and may come first.
    const QByteArray xmpFirst = withApp1(withApp1(stored, exifData(6, true)),
                                         std::string("http://ns.adobe.com/xap/1.0/\0<x/>", 33));
    EXPECT_TRUE(looksLike(load(xmpFirst), upright[6]));
}

TEST(ExifOrientation, ReadsOnlyWithinTheSegmentAndTakesAnythingMalformedAsUpright) {
    for (const bool bigEndian : {false, true}) {
        SCOPED_TRACE(bigEndian ? "MM" : "II");
        const std::string whole = exifData(6, bigEndian);
        EXPECT_EQ(exifOrientationOf(whole), 6);
        // Cut off anywhere: no EXIF mark yet, then no orientation until its value is whole.
        for (std::size_t length = 0; length < whole.size(); ++length) {
            const int expected = length < 6 ? 0 : length < kOrientationEnd ? 1 : 6;
            EXPECT_EQ(exifOrientationOf(whole.substr(0, length)), expected) << length;
        }
        // The segment with a number of its TIFF block (which starts after the mark) replaced.
        const auto with = [&](std::size_t at, std::uint32_t value, int bytes) {
            std::string data = whole;
            for (int k = 0; k < bytes; ++k) {
                const int shift = 8 * (bigEndian ? bytes - 1 - k : k);
                data[6 + at + static_cast<std::size_t>(k)] = static_cast<char>(value >> shift);
            }
            return data;
        };
        const auto tiffLength = static_cast<std::uint32_t>(whole.size() - 6);
        const std::size_t entry = 8 + 2 + 12;  // the orientation's
        struct Case {
            const char* what;
            std::string data;
        };
        const Case cases[] = {
            {"unknown byte order", with(0, bigEndian ? 0x4D49 : 0x494D, 2)},
            {"not 42", with(2, 43, 2)},
            {"directory far past the end", with(4, 0xFFFFFFF0u, 4)},
            {"directory right at the end", with(4, tiffLength, 4)},
            {"directory on the last byte", with(4, tiffLength - 1, 4)},
            {"more entries said than there are, none of them the orientation",
             with(8, 0xFFFF, 2).substr(0, 6 + entry)},
            {"orientation as a LONG", with(entry + 2, 4, 2)},
            {"two orientation values", with(entry + 4, 2, 4)},
            {"orientation 0", with(entry + 8, 0, 2)},
            {"orientation 9", with(entry + 8, 9, 2)},
        };
        for (const Case& c : cases) EXPECT_EQ(exifOrientationOf(c.data), 1) << c.what;
    }
    EXPECT_EQ(exifOrientationOf(std::string("http://ns.adobe.com/xap/1.0/\0", 29)), 0);
    EXPECT_EQ(exifOrientationOf(std::string("Exif\0\0", 6)), 1);
}

TEST_F(JpegPictures, DataCutOffInsideThePictureShowsGreyWhereItIsMissingAsQtsReaderDid) {
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 0));
    const QByteArray whole = jpegOf(image);
    const int scan = segmentAt(whole, kStartOfScan);
    ASSERT_GT(scan, 0);
    const QByteArray cut = whole.left(scan + (whole.size() - scan) / 3);
    const Image loaded = load(cut);
    ASSERT_EQ(loaded.width(), 64);
    ASSERT_EQ(loaded.height(), 64);
    EXPECT_TRUE(near(loaded.pixel(0, 0), kRed, 24));
    EXPECT_TRUE(near(loaded.pixel(63, 63), kGrey, 8));
    EXPECT_EQ(loaded, toImage(readByQt(cut), Alpha::Drop));
}

TEST_F(JpegPictures, AFileThatEndsOrGoesWrongBeforeThePictureIsAPictureErrorNamingIt) {
    const QByteArray whole = jpegOf(quarters(64, 32));
    const int scan = segmentAt(whole, kStartOfScan);
    ASSERT_GT(scan, 0);
    expectPictureError(whole.left(3), "the start of image alone");
    expectPictureError(whole.left(scan / 2), "cut off among the tables");
    expectPictureError(whole.left(scan + 3), "cut off inside the scan header");
    std::mt19937 random(2024);
    for (int run = 0; run < 20; ++run) {
        QByteArray garbage("\xFF\xD8\xFF", 3);
        for (int k = 0; k < 4096; ++k) garbage += static_cast<char>(random());
        expectPictureError(garbage, "garbage after the start of image");
    }
    // A frame of 0 x 0 (a height of 0 would come in a later marker, which libjpeg does not read).
    QByteArray empty = whole;
    const int frame = segmentAt(empty, kStartOfFrame);
    ASSERT_GT(frame, 0);
    for (int k = 5; k < 9; ++k) empty[frame + k] = 0;
    expectPictureError(empty, "a frame of no pixels");
}

TEST_F(JpegPictures, AHugeSizeDeclaredByATinyFileFailsWithoutTakingTheMemory) {
    // 16500 x 16500 is just over the allocation limit decoded (1039 MB); the file is under 1 KB.
    static_assert(16500LL * 16500 * 4 > QtPictureLoader::kAllocationLimitMb * 1024LL * 1024);
    QByteArray huge = jpegOf(quarters(16, 16));
    const int frame = segmentAt(huge, kStartOfFrame);
    ASSERT_GT(frame, 0);
    for (const int at : {5, 7}) {  // height, then width
        huge[frame + at] = static_cast<char>(16500 >> 8);
        huge[frame + at + 1] = static_cast<char>(16500 & 0xFF);
    }
    const long before = peakVirtualKb();
    expectPictureError(huge, "16500 x 16500");
    EXPECT_LT(peakVirtualKb() - before, 256 * 1024);
}

TEST_F(JpegPictures, ColoursComeWithoutThePaddingByteSoWhiteIsNeverNoColor) {
    // Rows of an odd width start anywhere in memory; turned photos are copied another way.
    QImage white(37, 24, QImage::Format_RGB32);
    white.fill(Qt::white);
    const QByteArray stored = jpegOf(white);
    for (const int orientation : {1, 3, 6}) {
        SCOPED_TRACE(orientation);
        const Image loaded = load(withApp1(stored, exifData(orientation, false)));
        ASSERT_EQ(loaded.pixels().size(), 37u * 24u);
        for (const Rgb color : loaded.pixels()) {
            ASSERT_EQ(color & 0xFF000000u, 0u);
            ASSERT_TRUE(near(color, rgb(255, 255, 255), 2));
        }
    }
}

TEST_F(JpegPictures, GreyProgressiveAndCmykPhotosGiveTheirColours) {
    QImage grey(48, 16, QImage::Format_Grayscale8);
    for (int x = 0; x < 48; ++x) {
        for (int y = 0; y < 16; ++y) grey.setPixel(x, y, qRgb(x * 5, x * 5, x * 5));
    }
    const Image fromGrey = load(jpegOf(grey));
    ASSERT_EQ(fromGrey.width(), 48);
    for (int x = 0; x < 48; x += 7) {
        const Rgb color = fromGrey.pixel(x, 8);
        EXPECT_TRUE(near(color, rgb(x * 5, x * 5, x * 5), 3)) << x << ": " << std::hex << color;
    }

    // The same coefficients in one scan or in many: the same pixels.
    const QImage photo = quarters(64, 32);
    const QByteArray progressive = jpegOf(photo, true);
    ASSERT_NE(segmentAt(progressive, 0xC2), -1);
    EXPECT_EQ(load(progressive), load(jpegOf(photo)));

    // CMYK photos, inks stored inverted as nearly every one is: each colour is its ink scaled by
    // the black's (as Qt 6.4's reader gave them; later Qt versions convert differently).
    const Image fromCmyk = load(cmykJpeg(32, 16));
    ASSERT_EQ(fromCmyk.width(), 32);
    for (int band = 0; band < 4; ++band) {
        int inks[4];
        for (int ink = 0; ink < 4; ++ink) inks[ink] = ink == band ? 40 : 220;
        const Rgb expected = rgb(inks[0] * inks[3] / 255, inks[1] * inks[3] / 255,
                                 inks[2] * inks[3] / 255);
        const Rgb color = fromCmyk.pixel(band * 8 + 4, 8);
        EXPECT_TRUE(near(color, expected, 3)) << band << ": " << std::hex << color;
    }
}

TEST_F(JpegPictures, APhotoBeyondQtsDefaultLimitLoadsAndIsNamedByContentNotByItsName) {
    // 6200 x 5600 is about 139 MB decoded, over the 128 MB Qt refuses by default.
    QImage image(6200, 5600, QImage::Format_RGB32);
    image.fill(qRgb(10, 120, 30));
    const Image loaded = loader.load(write("camera.png", jpegOf(image)));
    EXPECT_EQ(loaded.width(), 6200);
    EXPECT_EQ(loaded.height(), 5600);
    EXPECT_TRUE(near(loaded.pixel(6199, 5599), rgb(10, 120, 30), 3));

    // And a PNG named like a photo goes to Qt's reader.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(quarters(8, 8).save(&buffer, "PNG"));
    const Image fromPng = loader.load(write("holiday.jpg", png));
    EXPECT_EQ(fromPng.pixel(0, 0), kRed);
    EXPECT_EQ(fromPng.pixel(7, 7), kYellow);
}

}  // namespace
}  // namespace glint::platform::qt
