#include "platform/win32/wic_picture.h"

#include <windows.h>

#include <wincodec.h>

#include <cstdint>
#include <new>

#include "platform/win32/com_ref.h"

namespace glint::platform::win32 {
namespace {

// Larger than any picture a 32-bit program can hold twice (a codec's and ours).
constexpr std::uint64_t kMostBytes = std::uint64_t{1} << 30;

// COM on the calling thread for as long as the object lives; already started is fine too.
class ComOnThread {
public:
    ComOnThread() : m_started(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComOnThread() {
        if (m_started) CoUninitialize();
    }
    ComOnThread(const ComOnThread&) = delete;
    ComOnThread& operator=(const ComOnThread&) = delete;

private:
    bool m_started;
};

// The turn that makes pixels of this orientation (numbered as EXIF numbers them) upright. WIC
// flips first and then turns clockwise, so a transposed picture (5) is flipped and turned three
// quarters.
WICBitmapTransformOptions transformFor(int orientation) {
    const int flip = WICBitmapTransformFlipHorizontal;
    switch (orientation) {
        case 2:
            return WICBitmapTransformFlipHorizontal;
        case 3:
            return WICBitmapTransformRotate180;
        case 4:
            return WICBitmapTransformFlipVertical;
        case 5:
            return static_cast<WICBitmapTransformOptions>(WICBitmapTransformRotate270 | flip);
        case 6:
            return WICBitmapTransformRotate90;
        case 7:
            return static_cast<WICBitmapTransformOptions>(WICBitmapTransformRotate90 | flip);
        case 8:
            return WICBitmapTransformRotate270;
        default:
            return WICBitmapTransformRotate0;
    }
}

int orientationOf(IWICBitmapFrameDecode& frame) {
    IWICMetadataQueryReader* reader = nullptr;
    if (FAILED(frame.GetMetadataQueryReader(&reader)) || !reader) return 1;
    const ComRef<IWICMetadataQueryReader> ownedReader(reader);
    PROPVARIANT value;
    PropVariantInit(&value);
    int orientation = 1;
    if (SUCCEEDED(reader->GetMetadataByName(L"System.Photo.Orientation", &value)) &&
        value.vt == VT_UI2 && value.uiVal >= 1 && value.uiVal <= 8) {
        orientation = value.uiVal;
    }
    PropVariantClear(&value);
    return orientation;
}

struct CopyFailed {};

std::optional<Image> decode(IStream& stream) {
    IWICImagingFactory* factory = nullptr;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IWICImagingFactory, reinterpret_cast<void**>(&factory)))) {
        return std::nullopt;
    }
    const ComRef<IWICImagingFactory> ownedFactory(factory);
    LARGE_INTEGER start{};
    if (FAILED(stream.Seek(start, STREAM_SEEK_SET, nullptr))) return std::nullopt;
    IWICBitmapDecoder* decoder = nullptr;
    if (FAILED(factory->CreateDecoderFromStream(&stream, nullptr, WICDecodeMetadataCacheOnDemand,
                                                &decoder))) {
        return std::nullopt;  // no codec of this system reads it
    }
    const ComRef<IWICBitmapDecoder> ownedDecoder(decoder);
    IWICBitmapFrameDecode* frame = nullptr;
    if (FAILED(decoder->GetFrame(0, &frame))) return std::nullopt;
    const ComRef<IWICBitmapFrameDecode> ownedFrame(frame);
    UINT storedWidth = 0;
    UINT storedHeight = 0;
    if (FAILED(frame->GetSize(&storedWidth, &storedHeight)) || storedWidth == 0 ||
        storedHeight == 0 || std::uint64_t{storedWidth} * storedHeight * sizeof(Rgb) > kMostBytes) {
        return std::nullopt;
    }

    IWICBitmapSource* upright = frame;
    ComRef<IWICBitmap> buffered;
    ComRef<IWICBitmapFlipRotator> turned;
    if (const int orientation = orientationOf(*frame); orientation != 1) {
        // The turn reads its source pixel by pixel: from the decoded pixels held once, not from
        // a codec that would decode a whole row for each.
        IWICBitmap* bitmap = nullptr;
        IWICBitmapFlipRotator* rotator = nullptr;
        if (FAILED(factory->CreateBitmapFromSource(frame, WICBitmapCacheOnLoad, &bitmap))) {
            return std::nullopt;
        }
        buffered.reset(bitmap);
        if (FAILED(factory->CreateBitmapFlipRotator(&rotator))) return std::nullopt;
        turned.reset(rotator);
        if (FAILED(rotator->Initialize(bitmap, transformFor(orientation)))) return std::nullopt;
        upright = rotator;
    }
    IWICBitmapSource* converted = nullptr;
    if (FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGR, upright, &converted))) {
        return std::nullopt;
    }
    const ComRef<IWICBitmapSource> ownedConverted(converted);
    UINT width = 0;
    UINT height = 0;
    if (FAILED(converted->GetSize(&width, &height)) || width == 0 || height == 0) {
        return std::nullopt;
    }
    try {
        return Image::painted(static_cast<int>(width), static_cast<int>(height), [&](Rgb* pixels) {
            // Blue, green, red and a byte of no meaning: 0x??RRGGBB in memory.
            const UINT stride = width * sizeof(Rgb);
            if (FAILED(converted->CopyPixels(nullptr, stride, stride * height,
                                             reinterpret_cast<BYTE*>(pixels)))) {
                throw CopyFailed{};
            }
            for (std::size_t i = 0, count = std::size_t{width} * height; i < count; ++i) {
                pixels[i] &= 0x00FFFFFFu;
            }
        });
    } catch (const CopyFailed&) {
        return std::nullopt;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

}  // namespace

std::optional<Image> decodeWithWic(IStream& stream) {
    const ComOnThread com;
    return decode(stream);
}

}  // namespace glint::platform::win32
