#include "platform/pictures/png_picture.h"

#include <png.h>

#include <bit>
#include <csetjmp>
#include <cstdint>
#include <new>
#include <vector>

#include "platform/services.h"

namespace glint::platform::pictures::png {

namespace {

// libpng's default on an error prints it before jumping back to png_jmpbuf; there is nobody to
// read it, and the caller names the file.
[[noreturn]] void jumpBack(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

// Warnings are damage libpng reads around (a bad ancillary chunk, stray data after the rows).
void dropWarning(png_structp, png_const_charp) {}

struct Reading {
    png_structp png = nullptr;
    png_infop info = nullptr;

    Reading() {
        png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, jumpBack, dropWarning);
        if (png) info = png_create_info_struct(png);
    }
    // Frees whatever libpng holds, also after a jump out of the middle of a row.
    ~Reading() { png_destroy_read_struct(&png, &info, nullptr); }
    Reading(const Reading&) = delete;
    Reading& operator=(const Reading&) = delete;
};

// readHeader and readRows call libpng behind a setjmp that its errors jump back to. Nothing with
// a destructor lives in their frames, so the jump skips no clean-up; they answer how it went.
bool readHeader(Reading& r, std::FILE* file) {
    if (setjmp(png_jmpbuf(r.png))) return false;
    png_init_io(r.png, file);
    png_read_info(r.png, r.info);
    // Whatever the file holds becomes four bytes a pixel that read in memory as 0x00RRGGBB:
    // palette indices and small grey samples expanded, 16-bit samples rounded, alpha dropped.
    png_set_expand(r.png);
    png_set_scale_16(r.png);
    png_set_strip_alpha(r.png);
    png_set_gray_to_rgb(r.png);
    if constexpr (std::endian::native == std::endian::little) {
        png_set_bgr(r.png);
        png_set_filler(r.png, 0, PNG_FILLER_AFTER);
    } else {
        png_set_filler(r.png, 0, PNG_FILLER_BEFORE);
    }
    png_set_interlace_handling(r.png);
    png_read_update_info(r.png, r.info);
    return png_get_rowbytes(r.png, r.info) ==
           static_cast<png_size_t>(png_get_image_width(r.png, r.info)) * sizeof(Rgb);
}

bool readRows(Reading& r, png_bytepp rows) {
    if (setjmp(png_jmpbuf(r.png))) return false;
    // Interlaced pictures fill the rows pass by pass; every pixel is set by the last pass.
    png_read_image(r.png, rows);
    // Not png_read_end: every row is in, and what follows cannot change the picture.
    return true;
}

}  // namespace

bool looksLikePng(const unsigned char* start, std::size_t size) {
    return size >= 8 && png_sig_cmp(start, 0, 8) == 0;
}

Image decode(std::FILE* file, const std::string& path, std::size_t limitBytes) {
    Reading r;
    if (!r.png || !r.info || !readHeader(r, file)) throw PictureError(path);
    // libpng holds each side to a million pixels, so the product cannot overflow.
    const std::size_t width = png_get_image_width(r.png, r.info);
    const std::size_t height = png_get_image_height(r.png, r.info);
    if (width == 0 || height == 0 ||
        static_cast<std::uint64_t>(width) * height * sizeof(Rgb) > limitBytes) {
        throw PictureError(path);
    }
    try {
        std::vector<png_bytep> rows(height);
        return Image::painted(static_cast<int>(width), static_cast<int>(height), [&](Rgb* pixels) {
            for (std::size_t y = 0; y < height; ++y) {
                rows[y] = reinterpret_cast<png_bytep>(pixels + y * width);
            }
            if (!readRows(r, rows.data())) throw PictureError(path);
        });
    } catch (const std::bad_alloc&) {
        throw PictureError(path);  // too large for this machine: as for one over the limit
    }
}

}  // namespace glint::platform::pictures::png
