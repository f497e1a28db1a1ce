#pragma once

// Picture files made by the device tests themselves: bitmaps written byte by byte, JPEG and PNG
// files written by GDI+'s encoders, and EXIF orientations put into a JPEG.

#include <array>
#include <string>

#include "platform/image.h"

namespace glint::testing {

// A 24-bit BMP file; rows stored from the bottom up unless topDown.
std::string bmpFile(const platform::Image& picture, bool topDown = false);

// The picture encoded by GDI+ ("image/jpeg", "image/png"). A kNoColor pixel is written fully
// transparent. GDI+ must have been started.
std::string encodedFile(const platform::Image& picture, const wchar_t* mimeType);

// The JPEG with an EXIF segment holding the orientation (1 to 8, or any value to test with),
// written in Motorola (big-endian) or Intel byte order, placed after the JPEG's first segment
// (its JFIF header).
std::string withExifOrientation(const std::string& jpeg, int orientation, bool bigEndian);

inline constexpr platform::Rgb kQuarterRed = platform::rgb(220, 30, 30);
inline constexpr platform::Rgb kQuarterGreen = platform::rgb(30, 200, 40);
inline constexpr platform::Rgb kQuarterBlue = platform::rgb(20, 40, 210);
inline constexpr platform::Rgb kQuarterWhite = platform::rgb(250, 250, 250);

// Red, green, blue and white quarters: left to right, then top to bottom.
platform::Image quarters(int width, int height);

// The colours in the middle of the picture's quarters: top left, top right, bottom left, bottom
// right.
std::array<platform::Rgb, 4> quarterColors(const platform::Image& picture);

// Whether two colours differ by at most the tolerance in every channel (JPEG keeps colours only
// approximately).
bool similar(platform::Rgb a, platform::Rgb b, int tolerance);

}  // namespace glint::testing
