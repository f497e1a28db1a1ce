#include "tests/platform/pictures/picture_files.h"

// jpeglib.h needs FILE and size_t declared before it.
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>
#include <png.h>

namespace glint::platform::pictures {

namespace {

void put(std::string& to, std::uint32_t value, int bytes) {
    for (int k = 0; k < bytes; ++k) to += static_cast<char>(value >> (8 * k) & 0xFF);
}

void append(png_structp png, png_bytep data, png_size_t size) {
    static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<char*>(data), size);
}

}  // namespace

Image pictureOf(int width, std::initializer_list<Rgb> colours) {
    Image image(width, static_cast<int>(colours.size()) / width);
    int at = 0;
    for (const Rgb colour : colours) image.setPixel(at % width, at / width, colour), ++at;
    return image;
}

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (const int v : values) out += static_cast<char>(v);
    return out;
}

std::string BmpFile::bytes() const {
    const bool core = headerSize == 12;
    std::string dib;
    put(dib, headerSize, 4);
    put(dib, static_cast<std::uint32_t>(width), core ? 2 : 4);
    put(dib, static_cast<std::uint32_t>(height), core ? 2 : 4);
    put(dib, 1, 2);
    put(dib, static_cast<std::uint32_t>(bitCount), 2);
    if (!core) {
        put(dib, compression, 4), put(dib, static_cast<std::uint32_t>(pixels.size()), 4);
        put(dib, 2835, 4), put(dib, 2835, 4);
        put(dib, static_cast<std::uint32_t>(palette.size()), 4), put(dib, 0, 4);
    }
    for (const std::uint32_t mask : masks) put(dib, mask, 4);
    while (dib.size() < headerSize) dib += '\0';
    for (const Rgb colour : palette) put(dib, colour, core ? 3 : 4);
    std::string file = "BM";
    put(file, static_cast<std::uint32_t>(14 + dib.size() + pixels.size()), 4);
    put(file, 0, 4);
    put(file, static_cast<std::uint32_t>(14 + dib.size()), 4);
    return file + dib + pixels;
}

std::string PngFile::bytes() const {
    std::string out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, append, nullptr);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height),
                 bitDepth, colourType, interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> colours;
    for (const Rgb c : palette) {
        colours.push_back({static_cast<png_byte>(c >> 16), static_cast<png_byte>(c >> 8),
                           static_cast<png_byte>(c)});
    }
    if (!colours.empty()) {
        png_set_PLTE(png, info, colours.data(), static_cast<int>(colours.size()));
    }
    if (!paletteAlpha.empty()) {
        png_set_tRNS(png, info, reinterpret_cast<png_const_bytep>(paletteAlpha.data()),
                     static_cast<int>(paletteAlpha.size()), nullptr);
    }
    png_write_info(png, info);
    std::string stored = samples;
    const std::size_t rowBytes = stored.size() / static_cast<std::size_t>(height);
    std::vector<png_bytep> rows;
    for (int y = 0; y < height; ++y) {
        rows.push_back(reinterpret_cast<png_bytep>(stored.data()) + rowBytes * y);
    }
    png_write_image(png, rows.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

std::string jpegBytes(int width, int height, Rgb colour) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row;
    for (int x = 0; x < width; ++x) {
        row.insert(row.end(),
                   {static_cast<unsigned char>(colour >> 16),
                    static_cast<unsigned char>(colour >> 8), static_cast<unsigned char>(colour)});
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::string file(reinterpret_cast<const char*>(out), size);
    std::free(out);
    return file;
}

}  // namespace glint::platform::pictures
