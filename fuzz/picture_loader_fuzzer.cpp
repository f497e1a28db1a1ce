// The Qt backend's picture loader as a whole, on a file of any bytes: the recognition by content
// (JPEG, HEIF, the rest to Qt's reader with its image-format plugins), the allocation limit, the
// CMYK fallback, the reader decoding into the picture's own pixels. It gives a picture of
// colours within its limit, or throws PictureError naming the file; nothing else.

#include <QCoreApplication>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "fuzz/picture_check.h"
#include "platform/qt/qt_picture_loader.h"
#include "platform/services.h"
#include "tests/support/temp_folder.h"

namespace {

// A limit the fuzzer can afford to reach at every run; the checks are those of the real one.
constexpr int kLimitMb = 8;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Qt finds its image-format plugins (WebP, TIFF) through the application.
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static glint::testing::TempFolder folder;
    static glint::platform::qt::QtPictureLoader loader(kLimitMb);
    const std::string path = folder.file("photo.jpg");
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    try {
        glint::fuzz::checkPicture(loader.load(path), static_cast<std::size_t>(kLimitMb) << 20);
    } catch (const glint::platform::PictureError& error) {
        glint::fuzz::check(std::string(error.what()).find(path) != std::string::npos);
    }
    return 0;
}
