#pragma once

#include "platform/picture_fitting.h"
#include "platform/win32/gdiplus_session.h"

namespace glint::platform::win32 {

// Fitted copies on Windows: the primary display's current mode (its pixels whatever the
// program's DPI awareness), GDI+'s high-quality bicubic scaling (prefiltered when shrinking)
// and its JPEG encoder.
class Win32PictureFitting : public PictureFitting {
public:
    static constexpr unsigned long kJpegQuality = 92;

    PixelSize screenDevicePixels() const override;
    void writeFittedCopy(const Image& picture, PixelSize size, const std::string& path) override;

private:
    GdiplusSession m_gdiplus;
};

}  // namespace glint::platform::win32
