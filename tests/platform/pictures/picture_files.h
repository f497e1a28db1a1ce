#pragma once

// Picture files the decoders' tests write in memory, byte by byte or through the libraries the
// decoders use, and pictures written out pixel by pixel to compare with what they decode.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/image.h"

namespace glint::platform::pictures {

inline constexpr std::size_t kTestLimitBytes = 16u << 20;

// decode(FILE*, path, limitBytes) over the bytes as a file.
template <class Decode>
Image decodeBytes(Decode decode, const std::string& bytes,
                  std::size_t limitBytes = kTestLimitBytes) {
    std::string copy = bytes;  // fmemopen wants its buffer writable
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(
        fmemopen(copy.data(), copy.size(), "rb"), &std::fclose);
    if (!file) throw std::runtime_error("fmemopen");
    return decode(file.get(), "picture", limitBytes);
}

// A picture of width columns whose rows are given from the top, left to right.
Image pictureOf(int width, std::initializer_list<Rgb> colours);

std::string bytes(std::initializer_list<int> values);

struct BmpFile {
    int width = 0;
    int height = 0;  // negative: rows from the top
    int bitCount = 24;
    std::string pixels;  // as stored, rows padded
    std::vector<Rgb> palette{};
    std::uint32_t compression = 0;
    std::vector<std::uint32_t> masks{};  // after a 40-byte header, inside a later one
    std::uint32_t headerSize = 40;

    std::string bytes() const;
};

struct PngFile {
    int width = 0;
    int height = 0;
    int colourType = 0;  // PNG_COLOR_TYPE_...
    int bitDepth = 8;
    std::string samples;  // rows as stored, without their filter bytes
    std::vector<Rgb> palette{};
    std::string paletteAlpha{};  // tRNS
    bool interlaced = false;

    std::string bytes() const;
};

// A baseline JPEG of one colour, from libjpeg at its best quality.
std::string jpegBytes(int width, int height, Rgb colour);

}  // namespace glint::platform::pictures
