#include "assets/sample/wav_writer.h"

#include <algorithm>
#include <cmath>
#include <string_view>

namespace glint::assets {

namespace {

class LittleEndian {
public:
    explicit LittleEndian(std::vector<std::uint8_t>& out) : m_out(out) {}

    void tag(std::string_view fourLetters) {
        m_out.insert(m_out.end(), fourLetters.begin(), fourLetters.end());
    }
    void u16(std::uint32_t value) { bytes(value, 2); }
    void u32(std::uint32_t value) { bytes(value, 4); }

private:
    void bytes(std::uint32_t value, int count) {
        for (int i = 0; i < count; ++i)
            m_out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }

    std::vector<std::uint8_t>& m_out;
};

}  // namespace

std::vector<std::uint8_t> encodeWav(const std::vector<double>& samples, int sampleRate) {
    constexpr std::uint32_t kChannels = 1;
    constexpr std::uint32_t kBytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    std::vector<std::uint8_t> file;
    file.reserve(44 + dataBytes);
    LittleEndian out(file);
    out.tag("RIFF");
    out.u32(36 + dataBytes);  // everything after this field
    out.tag("WAVE");
    out.tag("fmt ");
    out.u32(16);  // the size of a PCM format chunk
    out.u16(1);   // PCM
    out.u16(kChannels);
    out.u32(static_cast<std::uint32_t>(sampleRate));
    out.u32(static_cast<std::uint32_t>(sampleRate) * kChannels * kBytesPerSample);
    out.u16(kChannels * kBytesPerSample);
    out.u16(8 * kBytesPerSample);
    out.tag("data");
    out.u32(dataBytes);
    for (double s : samples) {
        const auto value = static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0, 1.0) * 32767));
        out.u16(static_cast<std::uint16_t>(value));
    }
    return file;
}

}  // namespace glint::assets
