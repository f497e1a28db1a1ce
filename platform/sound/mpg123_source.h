#pragma once

// MPEG audio (MP3, MP2) decoded by libmpg123, loaded at run time where the system has it.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/sound/dynamic_library.h"
#include "platform/sound/sound_source.h"

namespace glint::platform::sound {

class Mpg123Source : public SoundSource {
public:
    // Null where the library is missing or the file gives no sound to it.
    static std::unique_ptr<Mpg123Source> open(const std::string& path);
    // Whether the system has the library.
    static bool available();

    ~Mpg123Source() override;
    Mpg123Source(const Mpg123Source&) = delete;
    Mpg123Source& operator=(const Mpg123Source&) = delete;

    SoundFormat format() const override { return m_format; }
    std::size_t read(float* samples, std::size_t frames) override;

private:
    struct Handle;
    struct Api {
        Handle* (*create)(const char* decoder, int* error);
        void (*destroy)(Handle*);
        int (*param)(Handle*, int parameter, long value, double floatValue);
        int (*formatNone)(Handle*);
        int (*allowFormat)(Handle*, long rate, int channels, int encodings);
        void (*rates)(const long** list, std::size_t* count);
        int (*openFile)(Handle*, const char* path);
        int (*readPcm)(Handle*, void* out, std::size_t size, std::size_t* done);
        int (*getFormat)(Handle*, long* rate, int* channels, int* encoding);
    };

    Mpg123Source() : m_library({"libmpg123.so.0"}) {}
    bool start(const std::string& path);
    // Decodes into m_pcm; false at the end of the music or on an error.
    bool decodeMore();

    DynamicLibrary m_library;
    Api m_api{};
    Handle* m_handle = nullptr;
    SoundFormat m_format;
    std::vector<std::int16_t> m_pcm;
    std::size_t m_pcmUsed = 0;
    bool m_ended = false;
};

}  // namespace glint::platform::sound
