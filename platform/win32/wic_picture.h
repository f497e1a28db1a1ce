#pragma once

// Pictures GDI+ cannot read, decoded by the Windows Imaging Component with whatever codecs the
// system has: WebP on current Windows, HEIC and AVIF where the Microsoft Store's image extensions
// are installed.

#include <objidl.h>

#include <optional>

#include "platform/image.h"

namespace glint::platform::win32 {

// Decodes the first frame of the picture in the stream, read from its start, turned upright as
// the decoded frame's System.Photo.Orientation says. The HEIF codec applies the file's own
// rotation itself and then reports the frame upright, so a HEIC photo is turned once and never
// by its EXIF. Empty when no installed codec reads it, or it is too large for the memory left.
std::optional<Image> decodeWithWic(IStream& stream);

}  // namespace glint::platform::win32
