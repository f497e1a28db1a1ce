#include "platform/pictures/native_picture_loader.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include "package/file_error.h"
#include "platform/pictures/bmp_picture.h"
#include "platform/pictures/jpeg_picture.h"
#include "platform/pictures/picture_file.h"
#include "platform/pictures/png_picture.h"

namespace glint::platform::pictures {

NativePictureLoader::NativePictureLoader(int allocationLimitMb)
    : m_limitBytes(static_cast<std::size_t>(allocationLimitMb) << 20) {}

Image NativePictureLoader::load(const std::string& path) {
    const PictureFile picture = openPictureFile(path);
    FILE* file = picture.file.get();
    const unsigned char* start = picture.start;
    const std::size_t got = picture.got;
    if (jpeg::looksLikeJpeg(start, got)) return jpeg::decode(file, path, m_limitBytes);
    if (png::looksLikePng(start, got)) return png::decode(file, path, m_limitBytes);
    if (bmp::looksLikeBmp(start, got)) return bmp::decode(file, path, m_limitBytes);
    throw PictureError(path);
}

}  // namespace glint::platform::pictures
