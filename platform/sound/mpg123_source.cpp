#include "platform/sound/mpg123_source.h"

#include <algorithm>
#include <vector>

namespace glint::platform::sound {
namespace {

// libmpg123's codes, as its mpg123.h sets them (stable across its versions).
constexpr int kOk = 0;
constexpr int kNewFormat = -11;
constexpr int kAddFlags = 2;      // MPG123_ADD_FLAGS
constexpr long kQuiet = 0x20;     // MPG123_QUIET: nothing printed on a damaged file
constexpr int kMonoOrStereo = 3;  // MPG123_MONO | MPG123_STEREO
constexpr int kSigned16 = 0xD0;   // MPG123_ENC_SIGNED_16, which every build of it decodes to

}  // namespace

std::unique_ptr<Mpg123Source> Mpg123Source::open(const std::string& path) {
    std::unique_ptr<Mpg123Source> source(new Mpg123Source);
    if (!source->start(path)) return nullptr;
    return source;
}

bool Mpg123Source::available() {
    return Mpg123Source().m_library.loaded();
}

Mpg123Source::~Mpg123Source() {
    if (m_handle) m_api.destroy(m_handle);
}

bool Mpg123Source::start(const std::string& path) {
    // Large-file builds of 32-bit systems name it mpg123_open_64; the plain name is that of
    // 64-bit systems and is there on all.
    const DynamicLibrary& lib = m_library;
    if (!lib.bind(m_api.create, "mpg123_new") || !lib.bind(m_api.destroy, "mpg123_delete") ||
        !lib.bind(m_api.param, "mpg123_param") ||
        !lib.bind(m_api.formatNone, "mpg123_format_none") ||
        !lib.bind(m_api.allowFormat, "mpg123_format") || !lib.bind(m_api.rates, "mpg123_rates") ||
        !lib.bind(m_api.openFile, "mpg123_open") || !lib.bind(m_api.readPcm, "mpg123_read") ||
        !lib.bind(m_api.getFormat, "mpg123_getformat")) {
        return false;
    }
    // Needed before version 1.27 and harmless since.
    int (*init)() = nullptr;
    if (lib.bind(init, "mpg123_init") && init() != kOk) return false;
    int error = 0;
    m_handle = m_api.create(nullptr, &error);
    if (!m_handle) return false;
    m_api.param(m_handle, kAddFlags, kQuiet, 0.0);
    // 16-bit samples at the stream's own rate and channel count, never resampled.
    const long* rates = nullptr;
    std::size_t rateCount = 0;
    m_api.rates(&rates, &rateCount);
    m_api.formatNone(m_handle);
    for (std::size_t i = 0; i < rateCount; ++i) {
        m_api.allowFormat(m_handle, rates[i], kMonoOrStereo, kSigned16);
    }
    if (m_api.openFile(m_handle, path.c_str()) != kOk) return false;
    // The first frames tell the format; a file without any gives no sound.
    // libmpg123 tells a new format before it gives any sample in it.
    std::size_t done = 0;
    std::vector<unsigned char> probe(16384);
    if (m_api.readPcm(m_handle, probe.data(), probe.size(), &done) != kNewFormat) return false;
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (m_api.getFormat(m_handle, &rate, &channels, &encoding) != kOk || encoding != kSigned16 ||
        rate <= 0 || channels < 1 || channels > 2) {
        return false;
    }
    m_format = {static_cast<int>(rate), channels};
    return decodeMore();
}

bool Mpg123Source::decodeMore() {
    m_pcm.resize(blockFrames(m_format) * m_format.channels);
    m_pcmUsed = 0;
    while (!m_ended) {
        std::size_t done = 0;
        const int result =
            m_api.readPcm(m_handle, m_pcm.data(), m_pcm.size() * sizeof m_pcm[0], &done);
        // A later change of format (a stream glued to another) cannot go to the same output.
        if (result != kOk || done == 0) m_ended = true;
        if (done > 0 && result != kNewFormat) {
            m_pcm.resize(done / sizeof m_pcm[0] / m_format.channels * m_format.channels);
            return !m_pcm.empty();
        }
    }
    m_pcm.clear();
    return false;
}

std::size_t Mpg123Source::read(float* samples, std::size_t frames) {
    if (m_pcmUsed == m_pcm.size() && !decodeMore()) return 0;
    const std::size_t channels = m_format.channels;
    const std::size_t count = std::min(frames * channels, m_pcm.size() - m_pcmUsed);
    for (std::size_t i = 0; i < count; ++i) samples[i] = m_pcm[m_pcmUsed + i] / 32768.0f;
    m_pcmUsed += count;
    return count / channels;
}

}  // namespace glint::platform::sound
