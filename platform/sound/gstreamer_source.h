#pragma once

// Whatever GStreamer decodes (WMA, AAC, Ogg, and MP3 where neither libmpg123 nor libsndfile is
// there), loaded at run time where the system has it. The file goes through decodebin into an
// appsink as float samples, so the music takes the same way to the sound system as a WAV file.

#include <memory>
#include <string>
#include <vector>

#include "platform/sound/dynamic_library.h"
#include "platform/sound/sound_source.h"

namespace glint::platform::sound {

class GstreamerSource : public SoundSource {
public:
    // How long the first samples may take: starting GStreamer cold (its plugin registry) takes
    // seconds on a slow machine.
    static constexpr int kStartTimeoutMs = 20000;

    // Null where GStreamer is missing, it has no decoder for the file, or `stop` is set before the
    // first samples come. The source waits on `stop`, which must outlive it.
    static std::unique_ptr<GstreamerSource> open(const std::string& path, const StopFlag& stop);

    ~GstreamerSource() override;
    GstreamerSource(const GstreamerSource&) = delete;
    GstreamerSource& operator=(const GstreamerSource&) = delete;

    SoundFormat format() const override { return m_format; }
    std::size_t read(float* samples, std::size_t frames) override;

private:
    struct Object;
    struct Api {
        int (*init)(int* argc, char*** argv, void** error);
        Object* (*parseLaunch)(const char* description, void** error);
        Object* (*binChild)(Object* bin, const char* name);
        void (*setProperties)(void* object, const char* first, ...);
        void (*getProperties)(void* object, const char* first, ...);
        void (*emit)(void* object, const char* signal, ...);
        int (*setState)(Object* element, int state);
        Object* (*bus)(Object* element);
        void* (*popMessage)(Object* bus, int types);
        void (*unrefObject)(void* object);
        void (*unrefMiniObject)(void* object);
        void (*freeError)(void* error);
        void* (*sampleCaps)(void* sample);
        void* (*sampleBuffer)(void* sample);
        void* (*capsStructure)(void* caps, unsigned index);
        int (*structureInt)(void* structure, const char* field, int* value);
        std::size_t (*bufferSize)(void* buffer);
        std::size_t (*bufferExtract)(void* buffer, std::size_t offset, void* dest,
                                     std::size_t size);
    };

    explicit GstreamerSource(const StopFlag& stop)
        : m_library({"libgstreamer-1.0.so.0"}), m_stop(stop) {}
    bool bindApi();
    bool start(const std::string& path);
    // Takes the next samples into m_pending, waiting up to timeoutMs in slices that heed m_stop;
    // false at the end, on an error or when stopped.
    bool pull(int timeoutMs);

    DynamicLibrary m_library;
    const StopFlag& m_stop;
    Api m_api{};
    Object* m_pipeline = nullptr;
    Object* m_sink = nullptr;
    Object* m_bus = nullptr;
    SoundFormat m_format;
    std::vector<float> m_pending;
    std::size_t m_pendingUsed = 0;
};

}  // namespace glint::platform::sound
