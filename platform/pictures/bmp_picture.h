#pragma once

// BMP pictures, read by a reader of our own: the Windows headers from the first to V5 and the
// OS/2 1.x header; 1, 4 and 8 bits a pixel with a palette (also run-length encoded, RLE8 and
// RLE4), 16 and 32 bits with the standard colour masks or the file's own, 24 bits; rows stored
// from the bottom or from the top.

#include <cstddef>
#include <cstdio>
#include <string>

#include "platform/image.h"

namespace glint::platform::pictures::bmp {

// Whether the bytes at the start of a file are a BMP's ("BM").
bool looksLikeBmp(const unsigned char* start, std::size_t size);

// Decodes the BMP file read from its current position to its end. Every size the headers give is
// checked against the file's length before anything is read or allocated: a file that is cut
// short, lies about its sizes, uses a compression this reader does not know, or whose pixels
// would take more than limitBytes throws PictureError naming the path. Pixels a run-length
// encoded picture skips are black; alpha is dropped.
Image decode(std::FILE* file, const std::string& path, std::size_t limitBytes);

}  // namespace glint::platform::pictures::bmp
