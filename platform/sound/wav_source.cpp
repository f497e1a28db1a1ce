#include "platform/sound/wav_source.h"

#include <sys/stat.h>
#include <sys/types.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace glint::platform::sound {
namespace {

constexpr std::uint16_t kPcm = 1;
constexpr std::uint16_t kFloat = 3;
constexpr std::uint16_t kExtensible = 0xFFFE;
// The sub-format GUID of WAVE_FORMAT_EXTENSIBLE after its first two bytes, which hold the codec.
constexpr unsigned char kSubFormatTail[14] = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                              0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
// PulseAudio's limits, which ALSA's plug devices share.
constexpr int kMaxChannels = 32;
constexpr unsigned kMaxRate = 768000;

std::uint16_t le16(const unsigned char* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t le32(const unsigned char* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

bool readAt(std::FILE* file, unsigned long long offset, unsigned char* bytes, std::size_t size) {
    return ::fseeko(file, static_cast<off_t>(offset), SEEK_SET) == 0 &&
           std::fread(bytes, 1, size, file) == size;
}

struct FormatChunk {
    SoundFormat format;
    WavSource::Encoding encoding;
};

// The format chunk's fields, or false where they describe nothing we decode.
bool parseFormat(const unsigned char* chunk, std::size_t size, FormatChunk& out) {
    if (size < 16) return false;
    std::uint16_t codec = le16(chunk);
    const int channels = le16(chunk + 2);
    const std::uint32_t rate = le32(chunk + 4);
    const int blockAlign = le16(chunk + 12);
    const int bits = le16(chunk + 14);
    if (codec == kExtensible) {
        if (size < 40 || le16(chunk + 16) < 22 || le16(chunk + 18) > bits ||
            std::memcmp(chunk + 26, kSubFormatTail, sizeof kSubFormatTail) != 0) {
            return false;
        }
        codec = le16(chunk + 24);
    }
    if (channels < 1 || channels > kMaxChannels || rate < 1 || rate > kMaxRate || bits < 1) {
        return false;
    }
    const int sampleBytes = (bits + 7) / 8;
    if (blockAlign != sampleBytes * channels) return false;
    using Encoding = WavSource::Encoding;
    if (codec == kPcm && sampleBytes <= 4) {
        constexpr Encoding kByWidth[] = {Encoding::Unsigned8, Encoding::Signed16,
                                         Encoding::Signed24, Encoding::Signed32};
        out.encoding = kByWidth[sampleBytes - 1];
    } else if (codec == kFloat && (bits == 32 || bits == 64)) {
        out.encoding = bits == 32 ? Encoding::Float32 : Encoding::Float64;
    } else {
        return false;
    }
    out.format = {static_cast<int>(rate), channels};
    return true;
}

int sampleBytesOf(WavSource::Encoding encoding) {
    constexpr int kBytes[] = {1, 2, 3, 4, 4, 8};
    return kBytes[static_cast<int>(encoding)];
}

float decodeSample(const unsigned char* p, WavSource::Encoding encoding) {
    using Encoding = WavSource::Encoding;
    switch (encoding) {
        case Encoding::Unsigned8:
            return (p[0] - 128) / 128.0f;
        case Encoding::Signed16:
            return static_cast<std::int16_t>(le16(p)) / 32768.0f;
        case Encoding::Signed24:
            // Shifted into the top of 32 bits, so the sign comes along.
            return static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) << 8 |
                                             static_cast<std::uint32_t>(p[1]) << 16 |
                                             static_cast<std::uint32_t>(p[2]) << 24) /
                   2147483648.0f;
        case Encoding::Signed32:
            return static_cast<std::int32_t>(le32(p)) / 2147483648.0f;
        case Encoding::Float32: {
            const std::uint32_t bits = le32(p);
            float value;
            std::memcpy(&value, &bits, sizeof value);
            // A damaged float file may hold NaNs or infinities: silence, not a blast.
            return std::isfinite(value) ? value : 0.0f;
        }
        case Encoding::Float64: {
            const std::uint64_t bits = le32(p) | static_cast<std::uint64_t>(le32(p + 4)) << 32;
            double value;
            std::memcpy(&value, &bits, sizeof value);
            return std::isfinite(value) ? static_cast<float>(value) : 0.0f;
        }
    }
    return 0.0f;
}

}  // namespace

std::unique_ptr<WavSource> WavSource::open(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return nullptr;
    struct stat status {};
    unsigned char header[12];
    if (::fstat(::fileno(file), &status) != 0 || !S_ISREG(status.st_mode) ||
        !readAt(file, 0, header, sizeof header) || std::memcmp(header, "RIFF", 4) != 0 ||
        std::memcmp(header + 8, "WAVE", 4) != 0) {
        std::fclose(file);
        return nullptr;
    }
    // The file's own size bounds every chunk: the RIFF size is often wrong (0, or left at its
    // largest by programs that write as they record).
    const auto fileSize = static_cast<unsigned long long>(status.st_size);
    bool haveFormat = false;
    FormatChunk format{};
    unsigned long long position = sizeof header;
    unsigned char chunkHeader[8];
    while (position + sizeof chunkHeader <= fileSize &&
           readAt(file, position, chunkHeader, sizeof chunkHeader)) {
        const unsigned long long start = position + sizeof chunkHeader;
        const unsigned long long size = le32(chunkHeader + 4);
        if (std::memcmp(chunkHeader, "data", 4) == 0) {
            if (!haveFormat) break;
            const int frameBytes = sampleBytesOf(format.encoding) * format.format.channels;
            unsigned long long dataBytes = std::min(size, fileSize - start);
            dataBytes -= dataBytes % frameBytes;
            if (dataBytes == 0 || ::fseeko(file, static_cast<off_t>(start), SEEK_SET) != 0) break;
            return std::unique_ptr<WavSource>(
                new WavSource(file, format.format, format.encoding, dataBytes));
        }
        if (size > fileSize - start) break;
        if (std::memcmp(chunkHeader, "fmt ", 4) == 0) {
            unsigned char chunk[40] = {};
            const std::size_t kept = std::min<std::size_t>(size, sizeof chunk);
            if (!readAt(file, start, chunk, kept) || !parseFormat(chunk, kept, format)) break;
            haveFormat = true;
        }
        // Chunks are padded to an even size.
        position = start + size + (size & 1);
    }
    std::fclose(file);
    return nullptr;
}

WavSource::WavSource(std::FILE* file, SoundFormat format, Encoding encoding,
                     unsigned long long dataBytes)
    : m_file(file),
      m_format(format),
      m_encoding(encoding),
      m_sampleBytes(sampleBytesOf(encoding)),
      m_frameBytes(m_sampleBytes * format.channels),
      m_bytesLeft(dataBytes) {}

WavSource::~WavSource() {
    std::fclose(m_file);
}

std::size_t WavSource::read(float* samples, std::size_t frames) {
    frames = std::min<unsigned long long>(frames, m_bytesLeft / m_frameBytes);
    m_buffer.resize(frames * m_frameBytes);
    const std::size_t got = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file) / m_frameBytes;
    // A file that shrank as we read it ends where it ends now.
    m_bytesLeft = got < frames ? 0 : m_bytesLeft - got * m_frameBytes;
    const std::size_t count = got * m_format.channels;
    for (std::size_t i = 0; i < count; ++i) {
        samples[i] = decodeSample(m_buffer.data() + i * m_sampleBytes, m_encoding);
    }
    return got;
}

}  // namespace glint::platform::sound
