#pragma once

#include <QImage>

#include "platform/services.h"

namespace glint::platform::qt {

// Decodes pictures with Qt's image reader: BMP, JPEG, PNG, GIF and whatever else the installed
// image plugins read, recognised by content rather than by name. Photos are turned upright as
// their EXIF orientation says.
class QtPictureLoader : public PictureLoader {
public:
    // Qt's reader refuses pictures over 128 MB decoded, which current cameras exceed; the loader
    // raises that limit for the whole application when it is made.
    static constexpr int kAllocationLimitMb = 1024;

    QtPictureLoader();
    Image load(const std::string& path) override;

private:
    // A screen-format view of the picture's pixels, sharing them; null for a null picture.
    static QImage wrap(Image& image);
};

}  // namespace glint::platform::qt
