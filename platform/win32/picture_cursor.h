#pragma once

#include <windows.h>

#include "platform/image.h"

namespace glint::platform::win32 {

// A mouse pointer drawn from a picture: its kNoColor pixels are clear, the others opaque, and the
// hot spot is the pixel that points. Null when the system cannot make it. The pointer lasts
// until DestroyCursor or the end of the process.
HCURSOR cursorFromPicture(const Image& picture, int hotSpotX, int hotSpotY);

}  // namespace glint::platform::win32
