#include "tests/win32/picture_files.h"

#include <windows.h>

#include <objidl.h>
// GDI+ after the COM declarations it uses.
#include <gdiplus.h>

#include <cstdint>
#include <stdexcept>
#include <vector>

namespace glint::testing {
namespace {

namespace gp = Gdiplus;
namespace flat = Gdiplus::DllExports;

void putLittle(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xFF);
}

void putBig(std::string& bytes, std::uint32_t value, int size) {
    for (int i = size - 1; i >= 0; --i) bytes += static_cast<char>(value >> (8 * i) & 0xFF);
}

CLSID encoderFor(const wchar_t* mimeType) {
    UINT count = 0;
    UINT size = 0;
    flat::GdipGetImageEncodersSize(&count, &size);
    std::vector<BYTE> buffer(size);
    auto* codecs = reinterpret_cast<gp::ImageCodecInfo*>(buffer.data());
    flat::GdipGetImageEncoders(count, size, codecs);
    for (UINT i = 0; i < count; ++i) {
        if (wcscmp(codecs[i].MimeType, mimeType) == 0) return codecs[i].Clsid;
    }
    throw std::runtime_error("no GDI+ encoder for this type");
}

std::string streamBytes(IStream& stream) {
    STATSTG stat{};
    stream.Stat(&stat, STATFLAG_NONAME);
    std::string bytes(static_cast<std::size_t>(stat.cbSize.QuadPart), '\0');
    const LARGE_INTEGER start{};
    stream.Seek(start, STREAM_SEEK_SET, nullptr);
    ULONG read = 0;
    stream.Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read);
    bytes.resize(read);
    return bytes;
}

}  // namespace

std::string bmpFile(const platform::Image& picture, bool topDown) {
    const int width = picture.width();
    const int height = picture.height();
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const std::uint32_t pixelBytes = static_cast<std::uint32_t>(rowBytes * height);
    std::string bytes = "BM";
    putLittle(bytes, 54 + pixelBytes, 4);
    putLittle(bytes, 0, 4);
    putLittle(bytes, 54, 4);
    putLittle(bytes, 40, 4);
    putLittle(bytes, static_cast<std::uint32_t>(width), 4);
    putLittle(bytes, static_cast<std::uint32_t>(topDown ? -height : height), 4);
    putLittle(bytes, 1, 2);   // planes
    putLittle(bytes, 24, 2);  // bits per pixel
    putLittle(bytes, 0, 4);   // no compression
    putLittle(bytes, pixelBytes, 4);
    putLittle(bytes, 2835, 4);  // 72 dpi
    putLittle(bytes, 2835, 4);
    putLittle(bytes, 0, 4);
    putLittle(bytes, 0, 4);
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) putLittle(bytes, picture.pixel(x, y), 3);  // B, G, R
        bytes.append(static_cast<std::size_t>(rowBytes - width * 3), '\0');
    }
    return bytes;
}

std::string encodedFile(const platform::Image& picture, const wchar_t* mimeType) {
    std::vector<std::uint32_t> argb(picture.pixels().begin(), picture.pixels().end());
    for (std::uint32_t& pixel : argb) pixel = pixel == platform::kNoColor ? 0 : pixel | 0xFF000000u;
    gp::GpBitmap* bitmap = nullptr;
    if (flat::GdipCreateBitmapFromScan0(picture.width(), picture.height(), picture.width() * 4,
                                        PixelFormat32bppARGB, reinterpret_cast<BYTE*>(argb.data()),
                                        &bitmap) != gp::Ok) {
        throw std::runtime_error("GDI+ cannot make the bitmap");
    }
    IStream* stream = nullptr;
    CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    const CLSID encoder = encoderFor(mimeType);
    const gp::Status saved = flat::GdipSaveImageToStream(bitmap, stream, &encoder, nullptr);
    flat::GdipDisposeImage(bitmap);
    std::string bytes = saved == gp::Ok ? streamBytes(*stream) : "";
    stream->Release();
    if (bytes.empty()) throw std::runtime_error("GDI+ cannot encode the picture");
    return bytes;
}

std::string withExifOrientation(const std::string& jpeg, int orientation, bool bigEndian) {
    auto put = [bigEndian](std::string& bytes, std::uint32_t value, int size) {
        bigEndian ? putBig(bytes, value, size) : putLittle(bytes, value, size);
    };
    std::string tiff = bigEndian ? "MM" : "II";
    put(tiff, 42, 2);
    put(tiff, 8, 4);  // the first directory right after the header
    put(tiff, 2, 2);  // two entries: the resolution unit before the orientation
    put(tiff, 0x0128, 2);
    put(tiff, 3, 2);
    put(tiff, 1, 4);
    put(tiff, 2, 2);
    put(tiff, 0, 2);
    put(tiff, 0x0112, 2);
    put(tiff, 3, 2);
    put(tiff, 1, 4);
    put(tiff, static_cast<std::uint32_t>(orientation), 2);
    put(tiff, 0, 2);
    put(tiff, 0, 4);  // no further directory
    std::string segment = "\xFF\xE1";
    putBig(segment, static_cast<std::uint32_t>(2 + 6 + tiff.size()), 2);
    segment += std::string("Exif\0\0", 6) + tiff;
    // After the start of image and the segment that follows it.
    const std::size_t first =
        4 + (static_cast<unsigned char>(jpeg[4]) << 8 | static_cast<unsigned char>(jpeg[5]));
    return jpeg.substr(0, first) + segment + jpeg.substr(first);
}

platform::Image quarters(int width, int height) {
    platform::Image picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2;
            const bool bottom = y >= height / 2;
            picture.setPixel(x, y,
                             bottom ? (right ? kQuarterWhite : kQuarterBlue)
                                    : (right ? kQuarterGreen : kQuarterRed));
        }
    }
    return picture;
}

std::array<platform::Rgb, 4> quarterColors(const platform::Image& picture) {
    const int w = picture.width();
    const int h = picture.height();
    return {picture.pixel(w / 4, h / 4), picture.pixel(3 * w / 4, h / 4),
            picture.pixel(w / 4, 3 * h / 4), picture.pixel(3 * w / 4, 3 * h / 4)};
}

bool similar(platform::Rgb a, platform::Rgb b, int tolerance) {
    for (int shift : {0, 8, 16}) {
        const int difference =
            static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF);
        if (difference > tolerance || difference < -tolerance) return false;
    }
    return true;
}

}  // namespace glint::testing
