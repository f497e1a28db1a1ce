#include "platform/win32/picture_cursor.h"

#include <cstdint>
#include <vector>

namespace glint::platform::win32 {
namespace {

// The colours with their opacity, in a 32-bit bitmap whose rows run from the top down.
HBITMAP colorBitmap(const Image& picture) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.width();
    info.bmiHeader.biHeight = -picture.height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    auto* pixel = static_cast<std::uint32_t*>(bits);
    for (const Rgb color : picture.pixels()) *pixel++ = color == kNoColor ? 0 : 0xFF000000u | color;
    return bitmap;
}

// One bit a pixel, set where the picture is clear; each row padded to 16 bits. The system draws
// with it where it cannot draw with the colours' opacity.
HBITMAP maskBitmap(const Image& picture) {
    const int rowBytes = (picture.width() + 15) / 16 * 2;
    std::vector<BYTE> bits(static_cast<std::size_t>(rowBytes) * picture.height(), 0);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) == kNoColor) {
                bits[static_cast<std::size_t>(y) * rowBytes + x / 8] |=
                    static_cast<BYTE>(0x80 >> x % 8);
            }
        }
    }
    return CreateBitmap(picture.width(), picture.height(), 1, 1, bits.data());
}

}  // namespace

HCURSOR cursorFromPicture(const Image& picture, int hotSpotX, int hotSpotY) {
    if (picture.isNull()) return nullptr;
    ICONINFO info{};
    info.fIcon = FALSE;
    info.xHotspot = static_cast<DWORD>(hotSpotX);
    info.yHotspot = static_cast<DWORD>(hotSpotY);
    info.hbmColor = colorBitmap(picture);
    info.hbmMask = maskBitmap(picture);
    // The system copies both bitmaps into the pointer.
    const HCURSOR cursor = info.hbmColor && info.hbmMask ? CreateIconIndirect(&info) : nullptr;
    if (info.hbmColor) DeleteObject(info.hbmColor);
    if (info.hbmMask) DeleteObject(info.hbmMask);
    return cursor;
}

}  // namespace glint::platform::win32
