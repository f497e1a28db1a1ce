#pragma once

#include "platform/picture_fitting.h"

namespace glint::platform::qt {

// Fitted copies on Qt: the primary screen's size in device pixels (its geometry times its device
// pixel ratio), Qt's smooth scaling (area averaging when shrinking) and its JPEG writer.
class QtPictureFitting : public PictureFitting {
public:
    static constexpr int kJpegQuality = 92;

    PixelSize screenDevicePixels() const override;
    void writeFittedCopy(const Image& picture, PixelSize size, const std::string& path) override;
};

}  // namespace glint::platform::qt
