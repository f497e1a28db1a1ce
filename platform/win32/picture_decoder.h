#pragma once

// Pictures decoded with GDI+ into the platform's images.

#include <objidl.h>

#include <optional>

#include "platform/image.h"

namespace glint::platform::win32 {

// What becomes of a picture's transparency: dropped (every pixel keeps its colour), or pixels
// less than half opaque read as kNoColor and paint nothing.
enum class Transparency { Dropped, AsNoColor };

// Decodes the picture in the stream, read from its start: BMP, JPEG, PNG or GIF (its first frame),
// recognised by content, and turned upright as a photo's EXIF orientation says. Empty when it
// cannot be decoded: no picture, a damaged one, or one too large for the memory left. GDI+ must
// have been started (GdiplusSession).
//
// The pixels go straight from GDI+ into the picture, a band of rows at a time, so a photo of a
// hundred megapixels is never held twice in our format.
std::optional<Image> decodePicture(IStream& stream, Transparency transparency);

}  // namespace glint::platform::win32
