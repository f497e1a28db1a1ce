#include "platform/qt/heif_picture.h"

#include <libheif/heif.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>

#include "platform/services.h"

namespace glint::platform::qt::heif {

namespace {

// libheif reads through these from the file the loader opened, so a name in any encoding is read
// as the system gives it.
std::int64_t positionOf(void* file) {
    return std::ftell(static_cast<std::FILE*>(file));
}

int readFrom(void* data, std::size_t size, void* file) {
    return std::fread(data, 1, size, static_cast<std::FILE*>(file)) == size ? 0 : -1;
}

int seekTo(std::int64_t position, void* file) {
    return std::fseek(static_cast<std::FILE*>(file), static_cast<long>(position), SEEK_SET);
}

// libheif asks whether the file reaches this far; a file on disk has its whole length already.
heif_reader_grow_status reaches(std::int64_t size, void* file) {
    auto* f = static_cast<std::FILE*>(file);
    const long at = std::ftell(f);
    if (at < 0 || std::fseek(f, 0, SEEK_END) != 0) return heif_reader_grow_status_size_beyond_eof;
    const long length = std::ftell(f);
    std::fseek(f, at, SEEK_SET);
    return length >= size ? heif_reader_grow_status_size_reached
                          : heif_reader_grow_status_size_beyond_eof;
}

// Version 1 of the reader: the members later libheif versions added stay null.
heif_reader fileReader() {
    heif_reader reader{};
    reader.reader_api_version = 1;
    reader.get_position = positionOf;
    reader.read = readFrom;
    reader.seek = seekTo;
    reader.wait_for_file_size = reaches;
    return reader;
}

const heif_reader kFileReader = fileReader();

struct Release {
    void operator()(heif_context* context) const { heif_context_free(context); }
    void operator()(const heif_image_handle* handle) const { heif_image_handle_release(handle); }
    void operator()(const heif_image* image) const { heif_image_release(image); }
    void operator()(heif_decoding_options* options) const { heif_decoding_options_free(options); }
};

template <class T>
using Owned = std::unique_ptr<T, Release>;

bool ok(const heif_error& error) {
    return error.code == heif_error_Ok;
}

}  // namespace

bool looksLikeHeif(const unsigned char* start, std::size_t size) {
    return size >= 12 &&
           heif_check_filetype(start, static_cast<int>(size)) == heif_filetype_yes_supported;
}

Image decode(std::FILE* file, const std::string& path, std::size_t limitBytes) {
    const Owned<heif_context> context(heif_context_alloc());
    if (!context ||
        !ok(heif_context_read_from_reader(context.get(), &kFileReader, file, nullptr))) {
        throw PictureError(path);
    }
    heif_image_handle* primary = nullptr;
    if (!ok(heif_context_get_primary_image_handle(context.get(), &primary))) {
        throw PictureError(path);
    }
    const Owned<const heif_image_handle> handle(primary);
    // The stored size: turning changes only which side is which, a crop only makes it smaller.
    const std::uint64_t storedWidth =
        static_cast<std::uint64_t>(std::max(0, heif_image_handle_get_width(handle.get())));
    const std::uint64_t storedHeight =
        static_cast<std::uint64_t>(std::max(0, heif_image_handle_get_height(handle.get())));
    if (storedWidth == 0 || storedHeight == 0 ||
        storedWidth * storedHeight * sizeof(Rgb) > limitBytes) {
        throw PictureError(path);
    }

    const Owned<heif_decoding_options> options(heif_decoding_options_alloc());
    if (!options) throw PictureError(path);
    options->convert_hdr_to_8bit = 1;  // 10-bit photos come as 8-bit colours, as we keep them
    heif_image* decodedImage = nullptr;
    try {
        if (!ok(heif_decode_image(handle.get(), &decodedImage, heif_colorspace_RGB,
                                  heif_chroma_interleaved_RGB, options.get()))) {
            throw PictureError(path);
        }
    } catch (const std::bad_alloc&) {
        throw PictureError(path);  // too large for this machine: as for one over the limit
    }
    const Owned<const heif_image> decoded(decodedImage);
    const int width = heif_image_get_width(decoded.get(), heif_channel_interleaved);
    const int height = heif_image_get_height(decoded.get(), heif_channel_interleaved);
    int stride = 0;
    const std::uint8_t* rows =
        heif_image_get_plane_readonly(decoded.get(), heif_channel_interleaved, &stride);
    if (!rows || width <= 0 || height <= 0 ||
        heif_image_get_bits_per_pixel_range(decoded.get(), heif_channel_interleaved) != 8) {
        throw PictureError(path);
    }
    try {
        return Image::painted(width, height, [&](Rgb* pixels) {
            for (int y = 0; y < height; ++y) {
                const std::uint8_t* from = rows + static_cast<std::ptrdiff_t>(y) * stride;
                for (int x = 0; x < width; ++x, from += 3) {
                    *pixels++ = rgb(from[0], from[1], from[2]);
                }
            }
        });
    } catch (const std::bad_alloc&) {
        throw PictureError(path);
    }
}

}  // namespace glint::platform::qt::heif
