#pragma once

// Picture files made by the device tests themselves: bitmaps written byte by byte, JPEG and PNG
// files written by GDI+'s encoders, and EXIF orientations put into a JPEG.

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

}  // namespace glint::testing
