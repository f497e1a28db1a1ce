#pragma once

#include <QImage>
#include <cstddef>
#include <cstdio>

#include "platform/services.h"

namespace glint::platform::qt {

// Decodes pictures recognised by content rather than by name: JPEG photos with libjpeg-turbo
// straight into the picture (pictures/jpeg_picture.h), HEIC and AVIF photos with libheif
// (heif_picture.h), everything else (BMP, PNG, GIF, and WebP and TIFF through Qt's image-format
// plugins) with Qt's image reader. Photos are turned upright once: as their EXIF orientation
// says, or for HEIF as the file's own rotation says.
class QtPictureLoader : public PictureLoader {
public:
    // Qt's reader refuses pictures over 128 MB decoded, which current cameras exceed; the loader
    // sets the limit for the whole application when it is made (this one unless told another),
    // and holds every photo to it.
    static constexpr int kAllocationLimitMb = 1024;

    explicit QtPictureLoader(int allocationLimitMb = kAllocationLimitMb);
    Image load(const std::string& path) override;
    LoadedPicture loadWithFormat(const std::string& path) override;

private:
    LoadedPicture readWithQt(FILE* file, const std::string& path) const;
    // A screen-format view of the picture's pixels, sharing them; null for a null picture.
    static QImage wrap(Image& image);

    std::size_t m_limitBytes;
};

}  // namespace glint::platform::qt
