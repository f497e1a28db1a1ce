#pragma once

// Files decoded by libsndfile, loaded at run time where the system has it: the WAV codecs our
// reader leaves out (ADPCM, mu-law...), FLAC, Ogg, AIFF, and MP3 from its version 1.1 on.

#include <memory>
#include <string>

#include "platform/sound/dynamic_library.h"
#include "platform/sound/sound_source.h"

namespace glint::platform::sound {

class SndfileSource : public SoundSource {
public:
    // Null where the library is missing or does not read the file.
    static std::unique_ptr<SndfileSource> open(const std::string& path);

    ~SndfileSource() override;
    SndfileSource(const SndfileSource&) = delete;
    SndfileSource& operator=(const SndfileSource&) = delete;

    SoundFormat format() const override { return m_format; }
    std::size_t read(float* samples, std::size_t frames) override;

private:
    struct File;
    // libsndfile's SF_INFO.
    struct Info {
        long long frames;
        int sampleRate;
        int channels;
        int format;
        int sections;
        int seekable;
    };

    SndfileSource() : m_library({"libsndfile.so.1"}) {}

    DynamicLibrary m_library;
    File* (*m_open)(const char* path, int mode, Info* info) = nullptr;
    long long (*m_readFrames)(File*, float* samples, long long frames) = nullptr;
    int (*m_close)(File*) = nullptr;
    File* m_file = nullptr;
    SoundFormat m_format;
};

}  // namespace glint::platform::sound
