#include "platform/pictures/bmp_header.h"

#include <algorithm>
#include <bit>
#include <climits>

namespace glint::platform::pictures::bmp {

namespace {

constexpr std::uint64_t kFileHeader = 14;
constexpr std::uint32_t kCoreHeader = 12;  // OS/2 1.x and Windows 2: sizes of 16 bits
constexpr std::uint32_t kInfoHeader = 40;
constexpr std::uint32_t kLaterHeaders[] = {52, 56, 108, 124};  // with masks, V4 and V5

enum Compression : std::uint32_t {
    kRgb = 0,
    kRle8 = 1,
    kRle4 = 2,
    kBitFields = 3,
    kAlphaBitFields = 6,
};

// The head's little-endian numbers. One that would reach past the head reads 0 and marks the
// head as cut short, which the caller asks once at the end.
class Head {
public:
    Head(const unsigned char* bytes, std::size_t size) : m_bytes(bytes), m_size(size) {}

    int u8(std::uint64_t at) { return static_cast<int>(number(at, 1)); }
    std::uint32_t u16(std::uint64_t at) { return number(at, 2); }
    std::uint32_t u32(std::uint64_t at) { return number(at, 4); }
    std::int32_t i32(std::uint64_t at) { return static_cast<std::int32_t>(u32(at)); }
    bool complete() const { return !m_short; }

private:
    std::uint32_t number(std::uint64_t at, int bytes) {
        if (at + static_cast<std::uint64_t>(bytes) > m_size) {
            m_short = true;
            return 0;
        }
        std::uint32_t value = 0;
        for (int k = bytes - 1; k >= 0; --k) value = value << 8 | m_bytes[at + k];
        return value;
    }

    const unsigned char* m_bytes;
    std::size_t m_size;
    bool m_short = false;
};

Channel channelOf(std::uint32_t mask) {
    if (mask == 0) return {};
    const int shift = std::countr_zero(mask);
    return {shift, static_cast<int>(std::bit_width(mask >> shift))};
}

bool knownHeader(std::uint32_t size) {
    return size == kCoreHeader || size == kInfoHeader ||
           std::find(std::begin(kLaterHeaders), std::end(kLaterHeaders), size) !=
               std::end(kLaterHeaders);
}

bool knownBitCount(int bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

}  // namespace

std::optional<Layout> readLayout(const unsigned char* bytes, std::size_t size,
                                 std::uint64_t fileLength, std::size_t limitBytes) {
    if (size < 2 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    Head head(bytes, size);
    Layout layout;
    layout.pixelOffset = head.u32(10);
    const std::uint32_t headerSize = head.u32(kFileHeader);
    if (!knownHeader(headerSize)) return std::nullopt;

    const bool core = headerSize == kCoreHeader;
    // Signed in the Windows headers: the common type of the two would be unsigned.
    const std::int64_t width = core ? std::int64_t{head.u16(18)} : std::int64_t{head.i32(18)};
    const std::int64_t height = core ? std::int64_t{head.u16(20)} : std::int64_t{head.i32(22)};
    layout.bitCount = static_cast<int>(core ? head.u16(24) : head.u16(28));
    const std::uint32_t compression = core ? kRgb : head.u32(30);
    const std::uint32_t coloursUsed = core ? 0 : head.u32(46);
    const std::uint64_t entryBytes = core ? 3 : 4;  // blue, green, red (and a spare byte)
    std::uint64_t paletteStart = kFileHeader + headerSize;

    if (!knownBitCount(layout.bitCount)) return std::nullopt;
    std::uint32_t masks[3] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
    if (layout.bitCount == 16) masks[0] = 0x7C00u, masks[1] = 0x03E0u, masks[2] = 0x001Fu;
    switch (compression) {
        case kRgb:
            break;
        case kRle8:
        case kRle4:
            if (layout.bitCount != (compression == kRle8 ? 8 : 4)) return std::nullopt;
            layout.storage = compression == kRle8 ? Storage::Rle8 : Storage::Rle4;
            break;
        case kBitFields:
        case kAlphaBitFields:
            if (layout.bitCount != 16 && layout.bitCount != 32) return std::nullopt;
            // Inside the later headers; right after the first Windows header, which they extend.
            if (headerSize == kInfoHeader) {
                paletteStart += compression == kBitFields ? 12 : 16;
                // Some writers say so and start the pixels right there: the standard masks.
                if (layout.pixelOffset < paletteStart) {
                    paletteStart = kFileHeader + kInfoHeader;
                    break;
                }
            }
            for (int k = 0; k < 3; ++k) masks[k] = head.u32(kFileHeader + kInfoHeader + 4 * k);
            break;
        default:
            return std::nullopt;
    }
    for (int k = 0; k < 3; ++k) layout.channels[k] = channelOf(masks[k]);

    // A negative height stores the rows from the top; the most negative one has no opposite.
    if (width <= 0 || width > INT_MAX || height == 0 || height < -INT_MAX || height > INT_MAX) {
        return std::nullopt;
    }
    layout.width = static_cast<int>(width);
    layout.topDown = height < 0;
    layout.height = static_cast<int>(layout.topDown ? -height : height);
    const auto pixels = static_cast<std::uint64_t>(layout.width) * layout.height;
    if (pixels > limitBytes / sizeof(Rgb)) return std::nullopt;
    const std::uint64_t rowBits = static_cast<std::uint64_t>(layout.width) * layout.bitCount;
    layout.rowBytes = (rowBits + 31) / 32 * 4;

    // The palette ends where the pixels start; colours it lacks stay black.
    if (layout.pixelOffset < paletteStart || layout.pixelOffset >= fileLength) return std::nullopt;
    if (layout.bitCount <= 8) {
        std::uint64_t count = std::uint64_t{1} << layout.bitCount;
        if (coloursUsed != 0) count = std::min<std::uint64_t>(count, coloursUsed);
        count = std::min(count, (layout.pixelOffset - paletteStart) / entryBytes);
        for (std::uint64_t k = 0; k < count; ++k) {
            const std::uint64_t at = paletteStart + k * entryBytes;
            layout.palette[k] = rgb(head.u8(at + 2), head.u8(at + 1), head.u8(at));
        }
    }
    if (!head.complete()) return std::nullopt;

    // Every stored row is in the file; the last one may lack the padding after its pixels.
    if (layout.storage == Storage::Rows) {
        const std::uint64_t lastRow = (rowBits + 7) / 8;
        const std::uint64_t after = fileLength - layout.pixelOffset;  // the offset is within
        if (lastRow > after ||
            (after - lastRow) / layout.rowBytes < static_cast<std::uint64_t>(layout.height) - 1) {
            return std::nullopt;
        }
    }
    return layout;
}

}  // namespace glint::platform::pictures::bmp
