#pragma once

// Pictures fitted to the screen for the player, which shows one picture pixel on each device
// pixel of the screen and clips what is larger: the authoring program offers a copy scaled down
// to fit when a picture is added. A picture the player cannot read becomes such a JPEG copy too,
// fitted or at its own size.

#include <string>

#include "platform/image.h"

namespace glint::platform {

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

// Whether the picture is wider or higher than the bounds.
bool largerThan(PixelSize picture, PixelSize bounds);

// The largest size of the picture's proportions inside the bounds: one side the bounds' own, the
// other rounded to the nearest whole pixel (halves up) and at least 1. A picture that fits
// already keeps its size.
PixelSize fittedInside(PixelSize picture, PixelSize bounds);

class PictureFitting {
public:
    virtual ~PictureFitting() = default;

    // The primary screen's size in device pixels (on a scaled screen, more than its logical
    // size): what the player shows a picture on.
    virtual PixelSize screenDevicePixels() const = 0;

    // Writes the picture scaled down to the size, with a filter fit for shrinking photos, as a
    // JPEG file of high quality with no orientation of its own (the picture is upright as given).
    // At the picture's own size its pixels are written as they are.
    // The file is written under a temporary name beside path and renamed into place, so a failed
    // write leaves nothing at path. Throws package::FileError naming path.
    virtual void writeFittedCopy(const Image& picture, PixelSize size, const std::string& path) = 0;
};

}  // namespace glint::platform
