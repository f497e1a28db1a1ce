#include "platform/win32/builtin_pictures.h"

#include <windows.h>

#include <shlwapi.h>

#include <optional>
#include <stdexcept>

#include "platform/win32/com_ref.h"
#include "platform/win32/picture_decoder.h"
#include "platform/win32/wide_text.h"

namespace glint::platform::win32 {

Image BuiltInPictures::picture(const std::string& name) const {
    const HMODULE program = GetModuleHandleW(nullptr);
    const HRSRC resource = FindResourceW(program, widen(name).c_str(), RT_RCDATA);
    const HGLOBAL loaded = resource ? LoadResource(program, resource) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) throw std::invalid_argument("No built-in picture: " + name);
    // A stream of its own over a copy of the bytes, as GDI+ needs a stream.
    const ComRef<IStream> stream(
        SHCreateMemStream(static_cast<const BYTE*>(bytes), SizeofResource(program, resource)));
    std::optional<Image> picture;
    if (stream) picture = decodePicture(*stream, Transparency::AsNoColor);
    if (!picture) throw std::invalid_argument("Built-in picture cannot be decoded: " + name);
    return std::move(*picture);
}

}  // namespace glint::platform::win32
