#include "platform/picture_stamp.h"

namespace glint::platform {
namespace {

// A grid of this many pixels a side is sampled: cheap enough for every presentation.
constexpr int kGrid = 16;

}  // namespace

PictureStamp PictureStamp::of(const Image& picture) {
    PictureStamp stamp{picture.pixels().data(), picture.width(), picture.height(), 0};
    if (picture.isNull()) return stamp;
    // FNV-1a over the sampled colours.
    std::uint64_t hash = 14695981039346656037ull;
    for (int row = 0; row < kGrid; ++row) {
        const int y = row * (picture.height() - 1) / (kGrid - 1);
        for (int column = 0; column < kGrid; ++column) {
            const int x = column * (picture.width() - 1) / (kGrid - 1);
            hash = (hash ^ picture.pixel(x, y)) * 1099511628211ull;
        }
    }
    stamp.sample = hash;
    return stamp;
}

}  // namespace glint::platform
