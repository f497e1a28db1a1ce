#pragma once

// PNG pictures decoded with libpng straight into a picture's pixels.

#include <cstddef>
#include <cstdio>
#include <string>

#include "platform/image.h"

namespace glint::platform::pictures::png {

// Whether the bytes at the start of a file are a PNG's eight-byte signature.
bool looksLikePng(const unsigned char* start, std::size_t size);

// Decodes the PNG file read from its current position: any bit depth (16-bit samples rounded to
// 8), palette, grey and interlaced pictures. Alpha and transparency chunks are dropped, so every
// pixel shows the colour stored for it, as the Qt loader gives such pictures. Throws PictureError
// naming the path when the file is no PNG, is damaged or cut short before its last row, or when
// its pixels would take more than limitBytes.
Image decode(std::FILE* file, const std::string& path, std::size_t limitBytes);

}  // namespace glint::platform::pictures::png
