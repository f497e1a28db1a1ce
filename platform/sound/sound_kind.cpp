#include "platform/sound/sound_kind.h"

#include <cstdio>
#include <cstring>

namespace glint::platform::sound {
namespace {

constexpr unsigned char kAsfHeader[16] = {0x30, 0x26, 0xB2, 0x75, 0x8E, 0x66, 0xCF, 0x11,
                                          0xA6, 0xD9, 0x00, 0xAA, 0x00, 0x62, 0xCE, 0x6C};

// An MPEG audio frame header: eleven sync bits, then a version, layer, bit rate and sample rate
// that are not the reserved values.
bool isFrameHeader(const unsigned char* head) {
    const int version = (head[1] >> 3) & 3;
    const int layer = (head[1] >> 1) & 3;
    const int bitRate = head[2] >> 4;
    const int sampleRate = (head[2] >> 2) & 3;
    return head[0] == 0xFF && (head[1] & 0xE0) == 0xE0 && version != 1 && layer != 0 &&
           bitRate != 15 && sampleRate != 3;
}

}  // namespace

SoundKind recogniseSound(const unsigned char* head, std::size_t size) {
    if (size >= 12 && std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WAVE", 4) == 0) {
        return SoundKind::Wave;
    }
    if (size >= sizeof kAsfHeader && std::memcmp(head, kAsfHeader, sizeof kAsfHeader) == 0) {
        return SoundKind::Asf;
    }
    if ((size >= 3 && std::memcmp(head, "ID3", 3) == 0) || (size >= 4 && isFrameHeader(head))) {
        return SoundKind::Mpeg;
    }
    if (size >= 4 && (std::memcmp(head, "fLaC", 4) == 0 || std::memcmp(head, "OggS", 4) == 0)) {
        return SoundKind::Other;
    }
    if (size >= 12 && std::memcmp(head, "FORM", 4) == 0 &&
        (std::memcmp(head + 8, "AIFF", 4) == 0 || std::memcmp(head + 8, "AIFC", 4) == 0)) {
        return SoundKind::Other;
    }
    return SoundKind::Unknown;
}

SoundKind recogniseSoundFile(const std::string& path) {
    unsigned char head[kSoundHeadBytes];
    std::size_t size = 0;
    if (std::FILE* file = std::fopen(path.c_str(), "rb")) {
        size = std::fread(head, 1, sizeof head, file);
        std::fclose(file);
    }
    return recogniseSound(head, size);
}

}  // namespace glint::platform::sound
