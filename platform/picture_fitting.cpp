#include "platform/picture_fitting.h"

#include <algorithm>
#include <cstdint>

namespace glint::platform {
namespace {

// numerator / denominator rounded to the nearest whole number, halves up; at least 1.
int roundedQuotient(std::int64_t numerator, std::int64_t denominator) {
    return static_cast<int>(
        std::max<std::int64_t>(1, (2 * numerator + denominator) / (2 * denominator)));
}

}  // namespace

bool largerThan(PixelSize picture, PixelSize bounds) {
    return picture.width > bounds.width || picture.height > bounds.height;
}

PixelSize fittedInside(PixelSize picture, PixelSize bounds) {
    if (!largerThan(picture, bounds) || picture.width <= 0 || picture.height <= 0 ||
        bounds.width <= 0 || bounds.height <= 0) {
        return picture;
    }
    const std::int64_t w = picture.width;
    const std::int64_t h = picture.height;
    // Wider than the bounds' proportions: the width meets the bounds; otherwise the height.
    if (w * bounds.height >= h * bounds.width) {
        return {bounds.width, roundedQuotient(h * bounds.width, w)};
    }
    return {roundedQuotient(w * bounds.height, h), bounds.height};
}

}  // namespace glint::platform
