#include "platform/win32/stretched_picture.h"

#include <algorithm>
#include <cstdint>

namespace glint::platform::win32 {
namespace {

// The source span [first, last) a target pixel covers along one axis.
struct Span {
    int first;
    int last;
};

Span spanOf(int target, int targetSize, int sourceSize) {
    const auto scaled = [&](int t) {
        return static_cast<int>(static_cast<std::int64_t>(t) * sourceSize / targetSize);
    };
    const int first = scaled(target);
    const int last = std::max(scaled(target + 1), first + 1);
    return {first, std::min(last, sourceSize)};
}

}  // namespace

Image stretched(const Image& picture, int width, int height) {
    if (picture.isNull() || width <= 0 || height <= 0) return {};
    if (picture.width() == width && picture.height() == height) return picture;
    Image result(width, height);
    for (int y = 0; y < height; ++y) {
        const Span rows = spanOf(y, height, picture.height());
        for (int x = 0; x < width; ++x) {
            const Span columns = spanOf(x, width, picture.width());
            std::uint64_t red = 0, green = 0, blue = 0;
            int counted = 0;
            int holes = 0;
            for (int sy = rows.first; sy < rows.last; ++sy) {
                for (int sx = columns.first; sx < columns.last; ++sx) {
                    const Rgb c = picture.pixel(sx, sy);
                    if (c == kNoColor) {
                        ++holes;
                        continue;
                    }
                    red += (c >> 16) & 0xFF;
                    green += (c >> 8) & 0xFF;
                    blue += c & 0xFF;
                    ++counted;
                }
            }
            if (counted == 0 || holes > counted) {
                result.setPixel(x, y, kNoColor);
                continue;
            }
            result.setPixel(x, y,
                            rgb(static_cast<int>(red / counted), static_cast<int>(green / counted),
                                static_cast<int>(blue / counted)));
        }
    }
    return result;
}

}  // namespace glint::platform::win32
