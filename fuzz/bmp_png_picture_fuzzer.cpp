// BMP and PNG pictures as a user may be given them, each input through both readers: ours for
// BMP (the headers and every size they give checked against the file, palettes, colour masks,
// run-length encoded rows with their jumps) and our code around libpng (the jumps back from its
// errors anywhere in the header or the rows, where the leak check sees whether what libpng held is
// freed). Each gives a picture of colours within the limit, or throws PictureError; nothing else.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

#include "fuzz/picture_check.h"
#include "platform/pictures/bmp_picture.h"
#include "platform/pictures/png_picture.h"
#include "platform/services.h"

namespace {

// Small, so a header that claims a camera's size costs the fuzzer little time.
constexpr std::size_t kLimitBytes = 4u << 20;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    namespace pictures = glint::platform::pictures;
    if (size == 0) return 0;  // a memory file cannot be empty
    for (const auto decode : {&pictures::bmp::decode, &pictures::png::decode}) {
        const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
            fmemopen(const_cast<std::uint8_t*>(data), size, "rb"), &std::fclose);
        glint::fuzz::check(file != nullptr);
        try {
            glint::fuzz::checkPicture(decode(file.get(), "picture", kLimitBytes), kLimitBytes);
        } catch (const glint::platform::PictureError&) {
        }
    }
    return 0;
}
