#pragma once

// What every picture decoder promises, whatever the bytes: a picture it gives has pixels within
// the limit it was given and only colours (0x00RRGGBB), never kNoColor, so the Qt painter draws
// photos from their own pixels. A failure stops the fuzzer at once.

#include <cstddef>
#include <cstdlib>

#include "platform/image.h"

namespace glint::fuzz {

inline void check(bool holds) {
    if (!holds) std::abort();
}

inline void checkPicture(const platform::Image& picture, std::size_t limitBytes) {
    check(!picture.isNull());
    const auto pixels = static_cast<std::size_t>(picture.width()) * picture.height();
    check(picture.pixels().size() == pixels);
    check(pixels * sizeof(platform::Rgb) <= limitBytes);
    for (const platform::Rgb color : picture.pixels()) check(color <= 0x00FFFFFFu);
}

}  // namespace glint::fuzz
