#include "platform/win32/picture_decoder.h"

#include <windows.h>
// GDI+ after the COM declarations it uses.
#include <gdiplus.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <memory>
#include <new>
#include <stdexcept>
#include <vector>

#include "platform/win32/exif_orientation.h"

namespace glint::platform::win32 {
namespace {

namespace gp = Gdiplus;
namespace flat = Gdiplus::DllExports;

// The rows GDI+ converts at a time for a turned photo: about 4 MB of them.
constexpr std::size_t kBandBytes = std::size_t{4} << 20;

// GDI+ could not hand over the pixels.
struct CopyFailed {};

struct BitmapDisposer {
    void operator()(gp::GpBitmap* bitmap) const { flat::GdipDisposeImage(bitmap); }
};
using Bitmap = std::unique_ptr<gp::GpBitmap, BitmapDisposer>;

// Where the stored pixel (x, y) lands in the turned picture, as an index into its pixels:
// start + x * xStep + y * yStep.
struct Placement {
    std::ptrdiff_t start;
    std::ptrdiff_t xStep;
    std::ptrdiff_t yStep;
};

// For a stored picture width x height and an EXIF orientation. The turned picture is height x
// width for orientations 5 to 8.
Placement placementFor(int orientation, std::ptrdiff_t width, std::ptrdiff_t height) {
    switch (orientation) {
        case 2:  // mirrored
            return {width - 1, -1, width};
        case 3:  // half turn
            return {(height - 1) * width + width - 1, -1, -width};
        case 4:  // upside down
            return {(height - 1) * width, 1, -width};
        case 5:  // transposed
            return {0, height, 1};
        case 6:  // quarter turn right
            return {height - 1, height, -1};
        case 7:  // transversed
            return {(width - 1) * height + height - 1, -height, -1};
        case 8:  // quarter turn left
            return {(width - 1) * height, -height, 1};
        default:
            return {0, 1, width};
    }
}

void toColors(Rgb* pixels, std::size_t count, Transparency transparency) {
    // GDI+ writes 0xAARRGGBB; our colours carry no alpha byte.
    if (transparency == Transparency::AsNoColor) {
        for (std::size_t i = 0; i < count; ++i) {
            pixels[i] = (pixels[i] >> 24) < 0x80 ? kNoColor : (pixels[i] & 0x00FFFFFFu);
        }
    } else {
        for (std::size_t i = 0; i < count; ++i) pixels[i] &= 0x00FFFFFFu;
    }
}

// Converts the rows [top, top + rows) of the bitmap into the buffer, in our colours.
void copyRows(gp::GpBitmap* bitmap, int width, int top, int rows, Rgb* buffer,
              Transparency transparency) {
    const gp::PixelFormat format =
        transparency == Transparency::AsNoColor ? PixelFormat32bppARGB : PixelFormat32bppRGB;
    gp::BitmapData data{};
    data.Width = static_cast<UINT>(width);
    data.Height = static_cast<UINT>(rows);
    data.Stride = width * static_cast<int>(sizeof(Rgb));
    data.PixelFormat = format;
    data.Scan0 = buffer;
    const gp::GpRect area(0, top, width, rows);
    if (flat::GdipBitmapLockBits(bitmap, &area,
                                 gp::ImageLockModeRead | gp::ImageLockModeUserInputBuf, format,
                                 &data) != gp::Ok) {
        throw CopyFailed{};
    }
    flat::GdipBitmapUnlockBits(bitmap, &data);
    toColors(buffer, static_cast<std::size_t>(width) * static_cast<std::size_t>(rows),
             transparency);
}

Image copyPicture(gp::GpBitmap* bitmap, int width, int height, int orientation,
                  Transparency transparency) {
    const bool upright = orientation == 1;
    const bool turned = orientation >= 5;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * sizeof(Rgb);
    const int bandRows = static_cast<int>(
        std::clamp<std::size_t>(kBandBytes / rowBytes, 1, static_cast<std::size_t>(height)));
    std::vector<Rgb> band;
    if (!upright) band.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(bandRows));
    const Placement placement = placementFor(orientation, width, height);
    return Image::painted(turned ? height : width, turned ? width : height, [&](Rgb* pixels) {
        for (int top = 0; top < height; top += bandRows) {
            const int rows = std::min(bandRows, height - top);
            if (upright) {
                copyRows(bitmap, width, top, rows, pixels + static_cast<std::size_t>(top) * width,
                         transparency);
                continue;
            }
            copyRows(bitmap, width, top, rows, band.data(), transparency);
            const Rgb* from = band.data();
            for (int y = top; y < top + rows; ++y) {
                Rgb* row = pixels + placement.start + y * placement.yStep;
                for (int x = 0; x < width; ++x) row[x * placement.xStep] = *from++;
            }
        }
    });
}

}  // namespace

std::optional<Image> decodePicture(IStream& stream, Transparency transparency) {
    const int orientation = jpegOrientation(stream);
    const LARGE_INTEGER start{};
    if (FAILED(stream.Seek(start, STREAM_SEEK_SET, nullptr))) return std::nullopt;

    gp::GpBitmap* decoded = nullptr;
    if (flat::GdipCreateBitmapFromStream(&stream, &decoded) != gp::Ok || !decoded) {
        return std::nullopt;
    }
    const Bitmap bitmap(decoded);
    UINT width = 0;
    UINT height = 0;
    if (flat::GdipGetImageWidth(decoded, &width) != gp::Ok ||
        flat::GdipGetImageHeight(decoded, &height) != gp::Ok || width == 0 || height == 0) {
        return std::nullopt;
    }
    // The sizes a file declares are checked before anything is allocated for them: in a 32-bit
    // process the byte count of an absurd one would wrap around.
    constexpr auto kMaxSide = static_cast<UINT>(std::numeric_limits<int>::max());
    constexpr auto kMaxPixels =
        static_cast<std::uint64_t>(std::numeric_limits<std::ptrdiff_t>::max()) / sizeof(Rgb);
    if (width > kMaxSide || height > kMaxSide ||
        static_cast<std::uint64_t>(width) * height > kMaxPixels) {
        return std::nullopt;
    }
    try {
        return copyPicture(decoded, static_cast<int>(width), static_cast<int>(height), orientation,
                           transparency);
    } catch (const CopyFailed&) {
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    } catch (const std::length_error&) {
        return std::nullopt;
    }
}

}  // namespace glint::platform::win32
