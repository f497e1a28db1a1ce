#include "platform/win32/win32_picture_loader.h"

#include <cstring>
#include <optional>

#include "platform/win32/file_stream.h"
#include "platform/win32/picture_decoder.h"
#include "platform/win32/wic_picture.h"

namespace glint::platform::win32 {
namespace {

// What GDI+ decoded, told by the signature it recognised the file by. GDI+ reads GIF, TIFF and
// icons too, which the players do not.
PictureFormat formatOf(IStream& stream) {
    unsigned char start[8] = {};
    ULONG got = 0;
    const LARGE_INTEGER origin{};
    if (FAILED(stream.Seek(origin, STREAM_SEEK_SET, nullptr)) ||
        FAILED(stream.Read(start, sizeof start, &got))) {
        return PictureFormat::Unknown;
    }
    if (got >= 2 && start[0] == 'B' && start[1] == 'M') return PictureFormat::Bmp;
    if (got >= 3 && start[0] == 0xFF && start[1] == 0xD8 && start[2] == 0xFF) {
        return PictureFormat::Jpeg;
    }
    if (got == sizeof start && std::memcmp(start, "\x89PNG\r\n\x1A\n", sizeof start) == 0) {
        return PictureFormat::Png;
    }
    return PictureFormat::Other;
}

}  // namespace

Image Win32PictureLoader::load(const std::string& path) {
    return loadWithFormat(path).picture;
}

LoadedPicture Win32PictureLoader::loadWithFormat(const std::string& path) {
    std::optional<Image> picture;
    PictureFormat format = PictureFormat::Other;
    {
        const ComRef<IStream> stream = openFileStream(path);
        picture = decodePicture(*stream, Transparency::Dropped);
        if (picture) {
            format = formatOf(*stream);
        } else {
            picture = decodeWithWic(*stream);
        }
    }
    if (!picture) throw PictureError(path);
    return {std::move(*picture), format};
}

}  // namespace glint::platform::win32
