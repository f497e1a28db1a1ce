// Mouse pointers drawn from pictures.

#include "platform/win32/picture_cursor.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace glint::platform::win32 {
namespace {

// The pixels of a pointer's bitmap as 32-bit values, rows from the top.
std::vector<std::uint32_t> pixelsOf(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    const HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return pixels;
}

TEST(PictureCursor, ThePointerPointsWithItsHotSpotAndIsClearWhereThePictureIs) {
    Image picture(32, 32, kNoColor);
    for (int y = 1; y < 20; ++y) picture.setPixel(12, y, rgb(10, 20, 30));
    const HCURSOR cursor = cursorFromPicture(picture, 12, 1);
    ASSERT_NE(cursor, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 12u);
    EXPECT_EQ(info.yHotspot, 1u);
    ASSERT_NE(info.hbmColor, nullptr);
    const std::vector<std::uint32_t> colors = pixelsOf(info.hbmColor, 32, 32);
    const std::vector<std::uint32_t> mask = pixelsOf(info.hbmMask, 32, 32);
    // Opaque where the picture has a colour, clear (and masked) elsewhere.
    EXPECT_EQ(colors[1 * 32 + 12], 0xFF0A141Eu);
    EXPECT_EQ(colors[0] >> 24, 0u);
    EXPECT_EQ(mask[1 * 32 + 12] & 0xFFFFFFu, 0u);
    EXPECT_EQ(mask[0] & 0xFFFFFFu, 0xFFFFFFu);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyCursor(cursor);
    EXPECT_EQ(cursorFromPicture(Image(), 0, 0), nullptr);
}

}  // namespace
}  // namespace glint::platform::win32
