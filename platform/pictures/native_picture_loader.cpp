#include "platform/pictures/native_picture_loader.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "package/file_error.h"
#include "platform/pictures/bmp_picture.h"
#include "platform/pictures/jpeg_picture.h"
#include "platform/pictures/png_picture.h"

namespace glint::platform::pictures {

namespace {

// Reads of libjpeg's size and more, so a photo comes in a few dozen reads rather than thousands.
constexpr std::size_t kReadBuffer = 64 * 1024;

}  // namespace

NativePictureLoader::NativePictureLoader(int allocationLimitMb)
    : m_limitBytes(static_cast<std::size_t>(allocationLimitMb) << 20) {}

Image NativePictureLoader::load(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        throw package::FileError("File not found", path);
    }
    // Opened by its bytes, so a name in any encoding is found as the system gives it.
    const std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
    if (!file) throw package::FileError("Cannot open file", path);
    std::setvbuf(file.get(), nullptr, _IOFBF, kReadBuffer);
    unsigned char start[8] = {};
    const std::size_t got = std::fread(start, 1, sizeof start, file.get());
    if (std::fseek(file.get(), 0, SEEK_SET) != 0) {
        throw package::FileError("Cannot open file", path);
    }
    if (jpeg::looksLikeJpeg(start, got)) return jpeg::decode(file.get(), path, m_limitBytes);
    if (png::looksLikePng(start, got)) return png::decode(file.get(), path, m_limitBytes);
    if (bmp::looksLikeBmp(start, got)) return bmp::decode(file.get(), path, m_limitBytes);
    throw PictureError(path);
}

}  // namespace glint::platform::pictures
