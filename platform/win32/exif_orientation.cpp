#include "platform/win32/exif_orientation.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace glint::platform::win32 {
namespace {

constexpr int kUpright = 1;
constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;
constexpr std::size_t kDirectoryEntrySize = 12;

// JPEG markers (each follows a 0xFF byte).
constexpr unsigned char kStartOfImage = 0xD8;
constexpr unsigned char kEndOfImage = 0xD9;
constexpr unsigned char kStartOfScan = 0xDA;
constexpr unsigned char kExifSegment = 0xE1;  // APP1
constexpr unsigned char kTemporary = 0x01;
constexpr unsigned char kFirstRestart = 0xD0;
constexpr unsigned char kLastRestart = 0xD7;
constexpr char kExifName[6] = {'E', 'x', 'i', 'f', '\0', '\0'};

class TiffReader {
public:
    TiffReader(const unsigned char* data, std::size_t size, bool bigEndian)
        : m_data(data), m_size(size), m_bigEndian(bigEndian) {}

    bool has(std::size_t offset, std::size_t length) const {
        return offset <= m_size && length <= m_size - offset;
    }
    std::uint16_t u16(std::size_t at) const {
        return m_bigEndian ? static_cast<std::uint16_t>(m_data[at] << 8 | m_data[at + 1])
                           : static_cast<std::uint16_t>(m_data[at + 1] << 8 | m_data[at]);
    }
    std::uint32_t u32(std::size_t at) const {
        const std::uint32_t high = u16(m_bigEndian ? at : at + 2);
        const std::uint32_t low = u16(m_bigEndian ? at + 2 : at);
        return high << 16 | low;
    }

private:
    const unsigned char* m_data;
    std::size_t m_size;
    bool m_bigEndian;
};

#ifdef _WIN32
bool readExactly(IStream& stream, void* buffer, ULONG size) {
    ULONG got = 0;
    return SUCCEEDED(stream.Read(buffer, size, &got)) && got == size;
}

bool skip(IStream& stream, ULONG size) {
    LARGE_INTEGER move{};
    move.QuadPart = size;
    return SUCCEEDED(stream.Seek(move, STREAM_SEEK_CUR, nullptr));
}
#endif

}  // namespace

int exifOrientation(const unsigned char* tiff, std::size_t size) {
    if (size < 8) return kUpright;
    const bool bigEndian = tiff[0] == 'M' && tiff[1] == 'M';
    if (!bigEndian && !(tiff[0] == 'I' && tiff[1] == 'I')) return kUpright;
    const TiffReader reader(tiff, size, bigEndian);
    if (reader.u16(2) != 42) return kUpright;
    const std::size_t directory = reader.u32(4);
    if (!reader.has(directory, 2)) return kUpright;
    const std::size_t entries = reader.u16(directory);
    for (std::size_t i = 0; i < entries; ++i) {
        const std::size_t entry = directory + 2 + i * kDirectoryEntrySize;
        if (!reader.has(entry, kDirectoryEntrySize)) break;
        if (reader.u16(entry) != kOrientationTag) continue;
        if (reader.u16(entry + 2) != kShortType || reader.u32(entry + 4) < 1) return kUpright;
        // A single short sits at the start of the value field.
        const int orientation = reader.u16(entry + 8);
        return orientation >= 1 && orientation <= 8 ? orientation : kUpright;
    }
    return kUpright;
}

#ifdef _WIN32
int jpegOrientation(IStream& stream) {
    unsigned char start[2];
    if (!readExactly(stream, start, 2) || start[0] != 0xFF || start[1] != kStartOfImage) {
        return kUpright;
    }
    // The segments before the picture data; the EXIF one normally comes first or second.
    for (;;) {
        unsigned char byte = 0;
        if (!readExactly(stream, &byte, 1)) return kUpright;
        if (byte != 0xFF) continue;
        unsigned char marker = 0xFF;
        // Any number of 0xFF bytes may pad the space before a marker.
        while (marker == 0xFF) {
            if (!readExactly(stream, &marker, 1)) return kUpright;
        }
        if (marker == kStartOfScan || marker == kEndOfImage) return kUpright;
        if (marker == 0 || marker == kTemporary ||
            (marker >= kFirstRestart && marker <= kLastRestart)) {
            continue;  // no length follows
        }
        unsigned char lengthBytes[2];
        if (!readExactly(stream, lengthBytes, 2)) return kUpright;
        const ULONG length = static_cast<ULONG>(lengthBytes[0] << 8 | lengthBytes[1]);
        if (length < 2) return kUpright;
        const ULONG content = length - 2;
        if (marker != kExifSegment || content < sizeof kExifName) {
            if (!skip(stream, content)) return kUpright;
            continue;
        }
        std::vector<unsigned char> segment(content);
        if (!readExactly(stream, segment.data(), content)) return kUpright;
        // Other APP1 segments (XMP) carry no orientation tag of this kind.
        if (std::memcmp(segment.data(), kExifName, sizeof kExifName) == 0) {
            return exifOrientation(segment.data() + sizeof kExifName,
                                   segment.size() - sizeof kExifName);
        }
    }
}
#endif

}  // namespace glint::platform::win32
