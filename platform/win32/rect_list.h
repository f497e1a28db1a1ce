#pragma once

// Rectangles of a window's client area that are repainted together.

#include <vector>

#include "platform/rect.h"

namespace glint::platform::win32 {

// The common part of two rectangles; empty when they do not meet.
Rect intersection(const Rect& a, const Rect& b);

// The rectangles with every group that overlaps or touches replaced by the one rectangle around
// it, so no pixel is repainted twice in one presentation, empty ones left out; beyond a few
// groups, the one rectangle around them all.
std::vector<Rect> merged(std::vector<Rect> rects);

}  // namespace glint::platform::win32
