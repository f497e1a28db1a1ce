#include "platform/win32/win32_picture_loader.h"

#include <optional>

#include "platform/win32/file_stream.h"
#include "platform/win32/picture_decoder.h"
#include "platform/win32/wic_picture.h"

namespace glint::platform::win32 {

Image Win32PictureLoader::load(const std::string& path) {
    std::optional<Image> picture;
    {
        const ComRef<IStream> stream = openFileStream(path);
        picture = decodePicture(*stream, Transparency::Dropped);
        if (!picture) picture = decodeWithWic(*stream);
    }
    if (!picture) throw PictureError(path);
    return std::move(*picture);
}

}  // namespace glint::platform::win32
