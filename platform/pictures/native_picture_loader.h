#pragma once

#include <cstddef>

#include "platform/services.h"

namespace glint::platform::pictures {

// The picture loader of the programs that travel inside a package, with no toolkit: JPEG photos
// (turned upright as their EXIF orientation says), PNG and BMP pictures, each recognised by its
// first bytes whatever its name says. Any other content is a PictureError.
class NativePictureLoader : public PictureLoader {
public:
    // As the Qt loader holds them: a picture whose pixels would take more is refused before its
    // memory is taken.
    static constexpr int kAllocationLimitMb = 1024;

    explicit NativePictureLoader(int allocationLimitMb = kAllocationLimitMb);
    Image load(const std::string& path) override;

private:
    std::size_t m_limitBytes;
};

}  // namespace glint::platform::pictures
