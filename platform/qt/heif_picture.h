#pragma once

// HEIF photos (HEIC from phones, AVIF) decoded with libheif, which carries the decoders
// (libde265, dav1d, libaom) on Debian. QtPictureLoader uses this for every file that starts like
// one.

#include <cstddef>
#include <cstdio>
#include <string>

#include "platform/image.h"

namespace glint::platform::qt::heif {

// Whether the bytes at the start of a file (at least 12 are needed) are those of an HEIF file
// libheif can read.
bool looksLikeHeif(const unsigned char* start, std::size_t size);

// Decodes the primary picture of the HEIF file read from its start, upright: libheif applies the
// file's own rotation, mirroring and crop. The EXIF orientation such files also carry describes
// the stored picture before those, so it is never applied a second time. Throws PictureError
// naming the path when libheif cannot decode it, or when its pixels would take more than
// limitBytes.
Image decode(std::FILE* file, const std::string& path, std::size_t limitBytes);

}  // namespace glint::platform::qt::heif
