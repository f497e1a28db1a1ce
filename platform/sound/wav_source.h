#pragma once

// WAV files read by ourselves: RIFF/WAVE with integer PCM of 8 to 32 bits, IEEE float of 32 or 64
// bits, plain or as WAVE_FORMAT_EXTENSIBLE, any channel count and rate.

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "platform/sound/sound_source.h"

namespace glint::platform::sound {

class WavSource : public SoundSource {
public:
    // How samples are stored in the file.
    enum class Encoding { Unsigned8, Signed16, Signed24, Signed32, Float32, Float64 };

    // Null when the file is no WAV file we read: not RIFF/WAVE, another codec (ADPCM, mu-law...),
    // a format chunk that is cut short or makes no sense, or no sound data. Every chunk's size is
    // checked against the file; sound data that the file lacks (a file cut short, a size that
    // claims more) is not played: the music is what the file holds.
    static std::unique_ptr<WavSource> open(const std::string& path);

    ~WavSource() override;
    WavSource(const WavSource&) = delete;
    WavSource& operator=(const WavSource&) = delete;

    SoundFormat format() const override { return m_format; }
    std::size_t read(float* samples, std::size_t frames) override;

    Encoding encoding() const { return m_encoding; }
    // The frames left to read.
    unsigned long long framesLeft() const { return m_bytesLeft / m_frameBytes; }

private:
    WavSource(std::FILE* file, SoundFormat format, Encoding encoding, unsigned long long dataBytes);

    std::FILE* m_file;
    SoundFormat m_format;
    Encoding m_encoding;
    int m_sampleBytes;
    int m_frameBytes;
    unsigned long long m_bytesLeft;
    std::vector<unsigned char> m_buffer;
};

}  // namespace glint::platform::sound
