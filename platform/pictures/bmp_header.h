#pragma once

// What a BMP file's headers say about its pixels, every size in them checked against the file.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

#include "platform/image.h"

namespace glint::platform::pictures::bmp {

enum class Storage { Rows, Rle8, Rle4 };

// One colour of a pixel of 16 or 32 bits: where its bits are and how many there are.
struct Channel {
    int shift = 0;
    int bits = 0;
    bool operator==(const Channel&) const = default;
};

struct Layout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;  // 1, 4 or 8 with a palette; 16, 24 or 32 with the colours in the pixel
    Storage storage = Storage::Rows;
    // Red, green and blue of a pixel of 16 or 32 bits.
    std::array<Channel, 3> channels{};
    // The colours of palette pictures; indices the file gives no colour for are black.
    std::array<Rgb, 256> palette{};
    // Where the pixels start, from the start of the file, and the bytes of a stored row.
    std::uint64_t pixelOffset = 0;
    std::uint64_t rowBytes = 0;
};

// Enough of a file to hold the largest headers with their colour masks and a full palette.
inline constexpr std::size_t kHeadBytes = 14 + 124 + 16 + 256 * 4;

// Reads the headers from a file's first bytes (head: kHeadBytes of them, or the whole file when
// shorter), the file being fileLength bytes long. Answers nothing for a file that is no BMP this
// reader knows (the compressions JPEG and PNG inside a BMP, the headers of OS/2 2.x), whose sizes
// are invalid or reach past the end of the file, or whose pixels would take more than limitBytes.
std::optional<Layout> readLayout(const unsigned char* head, std::size_t headSize,
                                 std::uint64_t fileLength, std::size_t limitBytes);

}  // namespace glint::platform::pictures::bmp
