#include "platform/sound/sndfile_source.h"

namespace glint::platform::sound {
namespace {

constexpr int kReadMode = 0x10;  // SFM_READ
constexpr int kMaxChannels = 32;

}  // namespace

std::unique_ptr<SndfileSource> SndfileSource::open(const std::string& path) {
    std::unique_ptr<SndfileSource> source(new SndfileSource);
    const DynamicLibrary& lib = source->m_library;
    if (!lib.bind(source->m_open, "sf_open") || !lib.bind(source->m_readFrames, "sf_readf_float") ||
        !lib.bind(source->m_close, "sf_close")) {
        return nullptr;
    }
    Info info{};
    source->m_file = source->m_open(path.c_str(), kReadMode, &info);
    if (!source->m_file || info.sampleRate <= 0 || info.channels < 1 ||
        info.channels > kMaxChannels) {
        return nullptr;
    }
    source->m_format = {info.sampleRate, info.channels};
    return source;
}

SndfileSource::~SndfileSource() {
    if (m_file) m_close(m_file);
}

std::size_t SndfileSource::read(float* samples, std::size_t frames) {
    const long long got = m_readFrames(m_file, samples, static_cast<long long>(frames));
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

}  // namespace glint::platform::sound
