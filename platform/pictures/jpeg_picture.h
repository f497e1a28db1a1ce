#pragma once

// JPEG photos decoded with libjpeg-turbo straight into a picture's pixels, turned upright as their
// EXIF orientation says. Both picture loaders use this for every file that starts like a JPEG.

#include <cstddef>
#include <cstdio>
#include <string>

#include "platform/image.h"

namespace glint::platform::pictures::jpeg {

// Whether the bytes at the start of a file are a JPEG's (start of image, then a marker).
bool looksLikeJpeg(const unsigned char* start, std::size_t size);

// The orientation an APP1 segment's data (what follows the marker and its length) gives for the
// photo: 0 when the segment holds no EXIF data (XMP uses APP1 too), otherwise 1 to 8 as EXIF
// numbers them, 1 when the EXIF data gives no valid orientation or is damaged.
int exifOrientation(const unsigned char* data, std::size_t size);

// Decodes the JPEG file read from its current position. Throws PictureError naming the path when
// it is no JPEG libjpeg can decode, or when its decoded pixels would take more than limitBytes.
// Data that ends early or is damaged past the start of the picture leaves grey where it is
// missing, as every viewer shows it. CMYK photos are taken as Photoshop writes them, with their
// inks inverted.
Image decode(std::FILE* file, const std::string& path, std::size_t limitBytes);

}  // namespace glint::platform::pictures::jpeg
