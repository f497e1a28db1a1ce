#include "platform/pictures/picture_file.h"

#include <filesystem>
#include <system_error>

#include "package/file_error.h"

namespace glint::platform::pictures {

namespace {

// Reads of libjpeg's size and more, so a photo comes in a few dozen reads rather than thousands.
constexpr std::size_t kReadBuffer = 64 * 1024;

}  // namespace

PictureFile openPictureFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        throw package::FileError("File not found", path);
    }
    PictureFile picture;
    // Opened by its bytes, so a name in any encoding is found as the system gives it.
    picture.file.reset(std::fopen(path.c_str(), "rb"));
    if (!picture.file) throw package::FileError("Cannot open file", path);
    std::setvbuf(picture.file.get(), nullptr, _IOFBF, kReadBuffer);
    picture.got = std::fread(picture.start, 1, sizeof picture.start, picture.file.get());
    if (std::fseek(picture.file.get(), 0, SEEK_SET) != 0) {
        throw package::FileError("Cannot open file", path);
    }
    return picture;
}

}  // namespace glint::platform::pictures
