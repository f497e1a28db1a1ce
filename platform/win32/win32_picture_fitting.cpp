#include "platform/win32/win32_picture_fitting.h"

#include <windows.h>
// GDI+ after the COM declarations it uses.
#include <gdiplus.h>

#include <memory>
#include <string>
#include <vector>

#include "package/file_error.h"
#include "platform/win32/wide_text.h"

namespace glint::platform::win32 {
namespace {

namespace gp = Gdiplus;
namespace flat = Gdiplus::DllExports;

struct Disposer {
    void operator()(gp::GpBitmap* bitmap) const { flat::GdipDisposeImage(bitmap); }
    void operator()(gp::GpGraphics* graphics) const { flat::GdipDeleteGraphics(graphics); }
    void operator()(gp::GpImageAttributes* attributes) const {
        flat::GdipDisposeImageAttributes(attributes);
    }
};
template <class T>
using Owned = std::unique_ptr<T, Disposer>;

bool jpegEncoder(CLSID& encoder) {
    UINT count = 0;
    UINT bytes = 0;
    if (flat::GdipGetImageEncodersSize(&count, &bytes) != gp::Ok || bytes == 0) return false;
    std::vector<unsigned char> storage(bytes);
    auto* codecs = reinterpret_cast<gp::ImageCodecInfo*>(storage.data());
    if (flat::GdipGetImageEncoders(count, bytes, codecs) != gp::Ok) return false;
    for (UINT i = 0; i < count; ++i) {
        if (codecs[i].MimeType && std::wstring(codecs[i].MimeType) == L"image/jpeg") {
            encoder = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

// A name beside the target that no other file has.
std::wstring temporaryBeside(const std::wstring& target) {
    for (unsigned attempt = 0;; ++attempt) {
        std::wstring name = target + L".part-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                            std::to_wstring(GetTickCount() + attempt);
        if (GetFileAttributesW(name.c_str()) == INVALID_FILE_ATTRIBUTES) return name;
    }
}

// The picture scaled down to the size; at its own size, the picture itself, its pixels as they
// are and not copied. Empty when GDI+ cannot.
Owned<gp::GpBitmap> scaled(const Image& picture, PixelSize size) {
    // The picture's own pixels, read in place: 0x00RRGGBB is 32bppRGB, whose fourth byte GDI+
    // ignores. GDI+ only reads them.
    gp::GpBitmap* source = nullptr;
    if (flat::GdipCreateBitmapFromScan0(
            picture.width(), picture.height(), picture.width() * 4, PixelFormat32bppRGB,
            reinterpret_cast<BYTE*>(const_cast<Rgb*>(picture.pixels().data())),
            &source) != gp::Ok) {
        return nullptr;
    }
    Owned<gp::GpBitmap> ownedSource(source);
    if (size.width == picture.width() && size.height == picture.height()) return ownedSource;
    gp::GpBitmap* fitted = nullptr;
    if (flat::GdipCreateBitmapFromScan0(size.width, size.height, 0, PixelFormat24bppRGB, nullptr,
                                        &fitted) != gp::Ok) {
        return nullptr;
    }
    Owned<gp::GpBitmap> result(fitted);
    gp::GpGraphics* graphics = nullptr;
    gp::GpImageAttributes* attributes = nullptr;
    if (flat::GdipGetImageGraphicsContext(fitted, &graphics) != gp::Ok) return nullptr;
    const Owned<gp::GpGraphics> ownedGraphics(graphics);
    if (flat::GdipCreateImageAttributes(&attributes) != gp::Ok) return nullptr;
    const Owned<gp::GpImageAttributes> ownedAttributes(attributes);
    // The edges mirrored, so the filter does not pull in a dark border.
    flat::GdipSetImageAttributesWrapMode(attributes, gp::WrapModeTileFlipXY, 0, FALSE);
    flat::GdipSetInterpolationMode(graphics, gp::InterpolationModeHighQualityBicubic);
    flat::GdipSetPixelOffsetMode(graphics, gp::PixelOffsetModeHighQuality);
    flat::GdipSetCompositingMode(graphics, gp::CompositingModeSourceCopy);
    if (flat::GdipDrawImageRectRectI(graphics, source, 0, 0, size.width, size.height, 0, 0,
                                     picture.width(), picture.height(), gp::UnitPixel, attributes,
                                     nullptr, nullptr) != gp::Ok) {
        return nullptr;
    }
    return result;
}

}  // namespace

PixelSize Win32PictureFitting::screenDevicePixels() const {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    if (EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode)) {
        return {static_cast<int>(mode.dmPelsWidth), static_cast<int>(mode.dmPelsHeight)};
    }
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

void Win32PictureFitting::writeFittedCopy(const Image& picture, PixelSize size,
                                          const std::string& path) {
    CLSID encoder{};
    const Owned<gp::GpBitmap> fitted = scaled(picture, size);
    if (!fitted || !jpegEncoder(encoder))
        throw package::FileError("Cannot scale picture for", path);
    ULONG quality = kJpegQuality;
    gp::EncoderParameters parameters{};
    parameters.Count = 1;
    parameters.Parameter[0].Guid = gp::EncoderQuality;
    parameters.Parameter[0].NumberOfValues = 1;
    parameters.Parameter[0].Type = gp::EncoderParameterValueTypeLong;
    parameters.Parameter[0].Value = &quality;
    const std::wstring target = widen(path);
    const std::wstring temporary = temporaryBeside(target);
    if (flat::GdipSaveImageToFile(fitted.get(), temporary.c_str(), &encoder, &parameters) !=
            gp::Ok ||
        !MoveFileExW(temporary.c_str(), target.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        throw package::FileError("Cannot write file", path);
    }
}

}  // namespace glint::platform::win32
