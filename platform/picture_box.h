#pragma once

// A picture box, with the platform's fixed single border or none. It takes the size of the picture
// loaded into it (outer size = picture + border on each side) and keeps its image, so the
// picture's pixels can be read while the box is hidden.

#include "platform/control.h"
#include "platform/image.h"

namespace glint::platform {

class PictureBox : public Control {
public:
    // The fixed single border: 2 pixels on each side.
    static constexpr int kBorderPixels = 2;
    enum class Border { FixedSingle, None };

    explicit PictureBox(std::string name, Border border = Border::FixedSingle);

    // Takes the picture and the size that fits it. A null picture empties the box and leaves its
    // size as it is.
    void setPicture(Image picture);
    const Image& picture() const { return m_picture; }
    // Whether every pixel of the picture is a colour (none is kNoColor, which shows what lies
    // under the box): a backend then draws nothing under it. Found once, when the picture comes.
    bool pictureOpaque() const { return m_pictureOpaque; }

    // The inner size in pixels.
    int scaleWidth() const { return pixelRect().width - 2 * m_border; }
    int scaleHeight() const { return pixelRect().height - 2 * m_border; }

    int borderPixels() const override { return m_border; }
    // Inner coordinates in pixels instead of twips: mouse positions are then given in pixels.
    void setScaleModePixels(bool pixels) { m_scalePixels = pixels; }
    bool scalesInPixels() const override { return m_scalePixels; }

private:
    Image m_picture;
    bool m_pictureOpaque = true;
    int m_border;
    bool m_scalePixels = false;
};

}  // namespace glint::platform
