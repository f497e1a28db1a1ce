#pragma once

// A picture box with the platform's fixed single border. It takes the size of the picture loaded
// into it (outer size = picture + border on each side) and keeps its image, so the picture's
// pixels can be read while the box is hidden.

#include "platform/control.h"
#include "platform/image.h"

namespace glint::platform {

class PictureBox : public Control {
public:
    // The border: 2 pixels on each side.
    static constexpr int kBorderPixels = 2;

    explicit PictureBox(std::string name);

    // Takes the picture and the size that fits it. A null picture empties the box and leaves its
    // size as it is.
    void setPicture(Image picture);
    const Image& picture() const { return m_picture; }

    // The inner size in pixels (the inner coordinates are pixels).
    int scaleWidth() const { return pixelRect().width - 2 * kBorderPixels; }
    int scaleHeight() const { return pixelRect().height - 2 * kBorderPixels; }

    int borderPixels() const override { return kBorderPixels; }
    bool scalesInPixels() const override { return true; }

private:
    Image m_picture;
};

}  // namespace glint::platform
