// HEIC and AVIF photos as a user may be given them, through our own code around libheif: the
// recognition of the file type, the reader callbacks over the file, the size limit, the copy of
// the decoded rows. The decoder gives a picture of colours within the limit or throws
// PictureError; nothing else.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "fuzz/picture_check.h"
#include "platform/qt/heif_picture.h"
#include "platform/services.h"

namespace {

constexpr std::size_t kLimitBytes = 4u << 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace heif = glint::platform::qt::heif;
    // The loader hands only files that look like HEIF to the decoder; the decoder must refuse the
    // rest by itself all the same, so every input goes to it.
    heif::looksLikeHeif(data, size);
    if (size == 0) return 0;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        fmemopen(const_cast<std::uint8_t*>(data), size, "rb"), &std::fclose);
    glint::fuzz::check(file != nullptr);
    try {
        glint::fuzz::checkPicture(heif::decode(file.get(), "photo.heic", kLimitBytes),
                                  kLimitBytes);
    } catch (const glint::platform::PictureError&) {
    }
    return 0;
}
