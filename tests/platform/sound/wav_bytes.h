#pragma once

// WAV files made byte by byte, sizes included, so tests can make them lie.

#include <cstdint>
#include <string>

namespace glint::platform::sound::testing {

inline std::string le16(std::uint32_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>(value >> 8 & 0xFF)};
}

inline std::string le32(std::uint32_t value) {
    return le16(value & 0xFFFF) + le16(value >> 16);
}

inline std::string chunk(const std::string& id, const std::string& body) {
    return id + le32(static_cast<std::uint32_t>(body.size())) + body +
           (body.size() % 2 ? std::string(1, '\0') : "");
}

// A chunk whose size field says `size`, whatever its body holds.
inline std::string chunkClaiming(const std::string& id, std::uint32_t size,
                                 const std::string& body) {
    return id + le32(size) + body;
}

inline std::string formatBody(int codec, int channels, int rate, int bits) {
    const int blockAlign = (bits + 7) / 8 * channels;
    return le16(codec) + le16(channels) + le32(rate) + le32(rate * blockAlign) + le16(blockAlign) +
           le16(bits);
}

// WAVE_FORMAT_EXTENSIBLE around `codec` (1 PCM, 3 float), with `validBits` of each sample used.
inline std::string extensibleBody(int codec, int channels, int rate, int bits, int validBits) {
    return formatBody(0xFFFE, channels, rate, bits) + le16(22) + le16(validBits) + le32(0) +
           le16(codec) +
           std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
}

inline std::string riffWave(const std::string& chunks) {
    return "RIFF" + le32(static_cast<std::uint32_t>(4 + chunks.size())) + "WAVE" + chunks;
}

// A plain 16-bit PCM file.
inline std::string wav16(int channels, int rate, const std::string& samples) {
    return riffWave(chunk("fmt ", formatBody(1, channels, rate, 16)) + chunk("data", samples));
}

}  // namespace glint::platform::sound::testing
