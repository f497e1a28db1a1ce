#pragma once

#include <cstdint>

#include "platform/image.h"

namespace glint::platform {

// Tells a control's picture apart from the one it showed before, without keeping a copy. The
// pixel buffer alone is not enough: when a picture is emptied and another of the same size loaded
// before the window looks again, the new one often lands in the old one's memory. A sample of
// pixels spread over the picture tells those apart.
struct PictureStamp {
    const Rgb* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::uint64_t sample = 0;

    static PictureStamp of(const Image& picture);
    bool operator==(const PictureStamp&) const = default;
};

}  // namespace glint::platform
