#pragma once

#include "platform/image.h"

namespace glint::platform::win32 {

// The picture stretched to the size, proportions not kept: each pixel is the mean of the
// picture's pixels it covers (at least the one under its centre). A pixel covering mostly
// kNoColor is kNoColor; the rest of its pixels make its colour.
Image stretched(const Image& picture, int width, int height);

}  // namespace glint::platform::win32
