#pragma once

// How a photo is to be turned: the orientation its camera wrote into the EXIF data (tag 0x0112 of
// the first image directory). 1 is upright as stored; 2 to 8 are the mirrorings and quarter turns
// the EXIF standard numbers so. GDI+ on Windows reports the tag as PropertyTagOrientation, Wine's
// does not: reading it from the file itself gives the same answer on both. Apart from the
// stream, this is plain C++, which the fuzz targets build on Linux.

#include <cstddef>

#ifdef _WIN32
#include <objidl.h>
#endif

namespace glint::platform::win32 {

#ifdef _WIN32
// The orientation of the JPEG picture in the stream, read from its start; 1 for anything that is
// not a JPEG with a valid orientation. Leaves the stream's position anywhere.
int jpegOrientation(IStream& stream);
#endif

// The orientation in an EXIF block: the content of a JPEG's "Exif" segment after its six-byte
// name, a TIFF header followed by its directories. 1 when the block holds no valid one.
int exifOrientation(const unsigned char* tiff, std::size_t size);

}  // namespace glint::platform::win32
