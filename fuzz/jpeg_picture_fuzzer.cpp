// JPEG photos as a user may be given them, through our own code around libjpeg-turbo: the EXIF
// reader over the input as an APP1 segment's data, and the decoder (its segment walk for the
// orientation, the size limit, the row copy with streaming stores, the turns) over the input as
// a file. The decoder gives an upright picture of colours within the limit (CMYK photos too), or
// throws PictureError; nothing else.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "fuzz/picture_check.h"
#include "platform/pictures/jpeg_picture.h"
#include "platform/services.h"

namespace {

// Small, so a header that claims a camera's size costs the fuzzer little time.
constexpr std::size_t kLimitBytes = 4u << 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace jpeg = glint::platform::pictures::jpeg;
    const int orientation = jpeg::exifOrientation(data, size);
    glint::fuzz::check(orientation >= 0 && orientation <= 8);
    if (size == 0) return 0;  // a memory file cannot be empty
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        fmemopen(const_cast<std::uint8_t*>(data), size, "rb"), &std::fclose);
    glint::fuzz::check(file != nullptr);
    try {
        glint::fuzz::checkPicture(jpeg::decode(file.get(), "photo.jpg", kLimitBytes), kLimitBytes);
    } catch (const glint::platform::PictureError&) {
    }
    return 0;
}
