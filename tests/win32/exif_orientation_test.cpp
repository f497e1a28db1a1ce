// The EXIF orientation read from a JPEG's own segments.

#include "platform/win32/exif_orientation.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <string>

#include "platform/win32/com_ref.h"

namespace glint::platform::win32 {
namespace {

// The EXIF block of withExifOrientation: one entry, the orientation.
std::string exifBlock(bool bigEndian, std::uint16_t type, std::uint16_t value) {
    auto u16 = [bigEndian](std::uint16_t v) {
        const char high = static_cast<char>(v >> 8);
        const char low = static_cast<char>(v & 0xFF);
        return bigEndian ? std::string{high, low} : std::string{low, high};
    };
    auto u32 = [&](std::uint32_t v) {
        const std::string high = u16(static_cast<std::uint16_t>(v >> 16));
        const std::string low = u16(static_cast<std::uint16_t>(v & 0xFFFF));
        return bigEndian ? high + low : low + high;
    };
    return std::string(bigEndian ? "MM" : "II") + u16(42) + u32(8) + u16(1) + u16(0x0112) +
           u16(type) + u32(1) + u16(value) + u16(0) + u32(0);
}

std::string segment(unsigned char marker, const std::string& content) {
    const std::size_t length = content.size() + 2;
    return std::string{'\xFF', static_cast<char>(marker), static_cast<char>(length >> 8),
                       static_cast<char>(length & 0xFF)} +
           content;
}

int orientationOf(const std::string& block) {
    return exifOrientation(reinterpret_cast<const unsigned char*>(block.data()), block.size());
}

int jpegOrientationOf(const std::string& file) {
    const ComRef<IStream> stream(SHCreateMemStream(reinterpret_cast<const BYTE*>(file.data()),
                                                   static_cast<UINT>(file.size())));
    return jpegOrientation(*stream);
}

const std::string kStart = "\xFF\xD8";
const std::string kJfif = segment(0xE0, std::string("JFIF\0\x01\x01\0\0\x01\0\x01\0\0", 14));
const std::string kScan = segment(0xDA, std::string(10, '\0')) + "picture data";

TEST(ExifOrientation, TheOrientationIsReadInEitherByteOrder) {
    EXPECT_EQ(orientationOf(exifBlock(true, 3, 6)), 6);
    EXPECT_EQ(orientationOf(exifBlock(false, 3, 8)), 8);
}

TEST(ExifOrientation, AnythingButAValidOrientationLeavesThePictureAsStored) {
    EXPECT_EQ(orientationOf(exifBlock(true, 3, 0)), 1);
    EXPECT_EQ(orientationOf(exifBlock(true, 3, 9)), 1);
    EXPECT_EQ(orientationOf(exifBlock(true, 4, 6)), 1);  // a long is no orientation
    EXPECT_EQ(orientationOf(exifBlock(true, 3, 6).substr(0, 20)), 1);
    std::string elsewhere = exifBlock(false, 3, 6);
    elsewhere[4] = '\x70';  // the directory beyond the block's end
    EXPECT_EQ(orientationOf(elsewhere), 1);
    EXPECT_EQ(orientationOf("XX"), 1);
}

TEST(ExifOrientation, TheExifSegmentIsFoundAmongTheOthersBeforeThePicture) {
    const std::string exif = segment(0xE1, std::string("Exif\0\0", 6) + exifBlock(true, 3, 6));
    const std::string xmp = segment(0xE1, "http://ns.adobe.com/xap/1.0/\0<x/>");
    EXPECT_EQ(jpegOrientationOf(kStart + exif + kScan), 6);
    EXPECT_EQ(jpegOrientationOf(kStart + kJfif + xmp + "\xFF\xFF" + exif + kScan), 6);
    // After the start of the picture data, nothing counts.
    EXPECT_EQ(jpegOrientationOf(kStart + kJfif + kScan + exif), 1);
    EXPECT_EQ(jpegOrientationOf("BM" + exif), 1);
    EXPECT_EQ(jpegOrientationOf(kStart + kJfif + exif.substr(0, 12)), 1);
}

}  // namespace
}  // namespace glint::platform::win32
