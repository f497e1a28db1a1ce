#pragma once

// The pictures built into the program: RCDATA resources of its executable, named by their file
// names ("background.jpg"). Resource names are found whatever their case, so the resource
// compiler's upper-casing does no harm.

#include <string>

#include "platform/image.h"
#include "platform/win32/gdiplus_session.h"

namespace glint::platform::win32 {

class BuiltInPictures {
public:
    // Decoded with GDI+; pixels less than half opaque read as kNoColor. Throws
    // std::invalid_argument when the program has no such picture, or one that cannot be decoded.
    Image picture(const std::string& name) const;

private:
    GdiplusSession m_gdiplus;
};

}  // namespace glint::platform::win32
