#include "platform/pictures/bmp_picture.h"

// getc_unlocked, fseeko and ftello are POSIX's.
#include <stdio.h>
#include <sys/types.h>

#include <algorithm>
#include <cstdint>
#include <new>
#include <vector>

#include "platform/pictures/bmp_header.h"
#include "platform/services.h"

namespace glint::platform::pictures::bmp {

namespace {

constexpr std::array<Channel, 3> kStandard32 = {Channel{16, 8}, Channel{8, 8}, Channel{0, 8}};

// One colour of a pixel scaled to 8 bits. Fewer bits are repeated down the byte, so that their
// largest value gives 255 (31 of 5 bits reads 255, not 248), as Windows shows them.
int component(std::uint32_t pixel, const Channel& channel) {
    if (channel.bits == 0) return 0;
    const auto value = static_cast<std::uint32_t>((std::uint64_t{pixel} >> channel.shift) &
                                                  ((std::uint64_t{1} << channel.bits) - 1));
    if (channel.bits >= 8) return static_cast<int>(value >> (channel.bits - 8));
    std::uint32_t scaled = 0;
    for (int at = 8 - channel.bits; at > -channel.bits; at -= channel.bits) {
        scaled |= at >= 0 ? value << at : value >> -at;
    }
    return static_cast<int>(scaled);
}

Rgb fromMasks(std::uint32_t pixel, const Layout& layout) {
    return rgb(component(pixel, layout.channels[0]), component(pixel, layout.channels[1]),
               component(pixel, layout.channels[2]));
}

void decodeRow(const Layout& layout, const unsigned char* row, Rgb* out) {
    const std::size_t width = static_cast<std::size_t>(layout.width);
    const auto& palette = layout.palette;
    switch (layout.bitCount) {
        case 1:
            for (std::size_t x = 0; x < width; ++x) out[x] = palette[row[x / 8] >> (7 - x % 8) & 1];
            return;
        case 4:
            for (std::size_t x = 0; x < width; ++x) {
                out[x] = palette[row[x / 2] >> (x % 2 == 0 ? 4 : 0) & 0xF];
            }
            return;
        case 8:
            for (std::size_t x = 0; x < width; ++x) out[x] = palette[row[x]];
            return;
        case 16:
            for (std::size_t x = 0; x < width; ++x) {
                out[x] =
                    fromMasks(static_cast<std::uint32_t>(row[2 * x] | row[2 * x + 1] << 8), layout);
            }
            return;
        case 24:
            for (std::size_t x = 0; x < width; ++x, row += 3) out[x] = rgb(row[2], row[1], row[0]);
            return;
        default:
            break;
    }
    if (layout.channels == kStandard32) {
        for (std::size_t x = 0; x < width; ++x, row += 4) out[x] = rgb(row[2], row[1], row[0]);
        return;
    }
    for (std::size_t x = 0; x < width; ++x, row += 4) {
        const std::uint32_t pixel =
            static_cast<std::uint32_t>(row[0]) | static_cast<std::uint32_t>(row[1]) << 8 |
            static_cast<std::uint32_t>(row[2]) << 16 | static_cast<std::uint32_t>(row[3]) << 24;
        out[x] = fromMasks(pixel, layout);
    }
}

// Where the r-th stored row goes in the picture.
Rgb* rowAt(const Layout& layout, Rgb* pixels, std::int64_t r) {
    const std::int64_t y = layout.topDown ? r : layout.height - 1 - r;
    return pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(layout.width);
}

bool readRows(std::FILE* file, const Layout& layout, Rgb* pixels) {
    std::vector<unsigned char> row(layout.rowBytes);
    const std::size_t used = (static_cast<std::size_t>(layout.width) * layout.bitCount + 7) / 8;
    for (int r = 0; r < layout.height; ++r) {
        if (std::fread(row.data(), 1, row.size(), file) < used) return false;
        decodeRow(layout, row.data(), rowAt(layout, pixels, r));
    }
    return true;
}

// Run-length encoded rows: a count and a palette index (for RLE4 two, taken in turn), or after a
// count of 0 an escape: the end of the row, the end of the picture, a jump ahead, or that many
// indices as they stand, padded to whole 16-bit words. Pixels the runs pass over are black (Qt's
// reader left them unset). Data that ends before the picture does is damage: false.
bool readRle(std::FILE* file, const Layout& layout, Rgb* pixels) {
    std::fill_n(pixels, static_cast<std::size_t>(layout.width) * layout.height, Rgb{0});
    const bool four = layout.storage == Storage::Rle4;
    std::int64_t x = 0;
    std::int64_t r = 0;
    const auto put = [&](int index) {
        if (x < layout.width) rowAt(layout, pixels, r)[x] = layout.palette[index];
        ++x;
    };
    while (r < layout.height) {
        const int count = getc_unlocked(file);
        const int code = getc_unlocked(file);
        if (count == EOF || code == EOF) return false;
        if (count > 0) {
            for (int k = 0; k < count && x < layout.width; ++k) {
                put(four ? (k % 2 == 0 ? code >> 4 : code & 0xF) : code);
            }
        } else if (code == 0) {
            x = 0;
            ++r;
        } else if (code == 1) {
            return true;
        } else if (code == 2) {
            const int right = getc_unlocked(file);
            const int down = getc_unlocked(file);
            if (right == EOF || down == EOF) return false;
            x += right;
            r += down;
        } else {
            const int bytes = four ? (code + 1) / 2 : code;
            for (int k = 0; k < bytes + bytes % 2; ++k) {
                const int byte = getc_unlocked(file);
                if (byte == EOF) return false;
                if (k >= bytes) continue;  // the padding
                if (!four) {
                    put(byte);
                    continue;
                }
                put(byte >> 4);
                if (2 * k + 1 < code) put(byte & 0xF);
            }
        }
    }
    return true;
}

}  // namespace

bool looksLikeBmp(const unsigned char* start, std::size_t size) {
    return size >= 2 && start[0] == 'B' && start[1] == 'M';
}

Image decode(std::FILE* file, const std::string& path, std::size_t limitBytes) {
    const off_t start = ftello(file);
    if (start < 0 || fseeko(file, 0, SEEK_END) != 0) throw PictureError(path);
    const off_t end = ftello(file);
    if (end < start || fseeko(file, start, SEEK_SET) != 0) throw PictureError(path);
    const auto length = static_cast<std::uint64_t>(end - start);

    unsigned char head[kHeadBytes];
    const std::size_t got = std::fread(
        head, 1, static_cast<std::size_t>(std::min<std::uint64_t>(length, kHeadBytes)), file);
    const std::optional<Layout> layout = readLayout(head, got, length, limitBytes);
    if (!layout || fseeko(file, start + static_cast<off_t>(layout->pixelOffset), SEEK_SET) != 0) {
        throw PictureError(path);
    }
    try {
        return Image::painted(layout->width, layout->height, [&](Rgb* pixels) {
            const bool whole = layout->storage == Storage::Rows ? readRows(file, *layout, pixels)
                                                                : readRle(file, *layout, pixels);
            if (!whole) throw PictureError(path);
        });
    } catch (const std::bad_alloc&) {
        throw PictureError(path);  // too large for this machine: as for one over the limit
    }
}

}  // namespace glint::platform::pictures::bmp
