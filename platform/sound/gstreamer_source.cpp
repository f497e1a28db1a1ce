#include "platform/sound/gstreamer_source.h"

#include <algorithm>
#include <cstdint>

namespace glint::platform::sound {
namespace {

// GStreamer's values, as its headers set them (stable across 1.x).
constexpr int kStateNull = 1;
constexpr int kStatePlaying = 4;
constexpr int kStateChangeFailure = 0;
constexpr int kMessageError = 1 << 1;
constexpr int kMaxChannels = 32;

// Every stream is turned into interleaved 32-bit float samples at its own rate and channel count.
// sync=false: the appsink hands samples over as fast as they are taken; the sound output keeps
// the pace. Video streams find nothing to link to and are left alone.
constexpr char kPipeline[] =
    "filesrc name=file ! decodebin ! audioconvert ! audio/x-raw,format=F32LE,layout=interleaved "
    "! appsink name=sink sync=false max-buffers=8";

}  // namespace

std::unique_ptr<GstreamerSource> GstreamerSource::open(const std::string& path,
                                                       const StopFlag& stop) {
    std::unique_ptr<GstreamerSource> source(new GstreamerSource(stop));
    if (!source->bindApi() || !source->start(path)) return nullptr;
    return source;
}

bool GstreamerSource::bindApi() {
    // GLib's and GObject's functions come through GStreamer, which depends on them.
    const DynamicLibrary& lib = m_library;
    return lib.bind(m_api.init, "gst_init_check") &&
           lib.bind(m_api.parseLaunch, "gst_parse_launch") &&
           lib.bind(m_api.binChild, "gst_bin_get_by_name") &&
           lib.bind(m_api.setProperties, "g_object_set") &&
           lib.bind(m_api.getProperties, "g_object_get") &&
           lib.bind(m_api.emit, "g_signal_emit_by_name") &&
           lib.bind(m_api.setState, "gst_element_set_state") &&
           lib.bind(m_api.bus, "gst_element_get_bus") &&
           lib.bind(m_api.popMessage, "gst_bus_pop_filtered") &&
           lib.bind(m_api.unrefObject, "gst_object_unref") &&
           lib.bind(m_api.unrefMiniObject, "gst_mini_object_unref") &&
           lib.bind(m_api.freeError, "g_error_free") &&
           lib.bind(m_api.sampleCaps, "gst_sample_get_caps") &&
           lib.bind(m_api.sampleBuffer, "gst_sample_get_buffer") &&
           lib.bind(m_api.capsStructure, "gst_caps_get_structure") &&
           lib.bind(m_api.structureInt, "gst_structure_get_int") &&
           lib.bind(m_api.bufferSize, "gst_buffer_get_size") &&
           lib.bind(m_api.bufferExtract, "gst_buffer_extract");
}

bool GstreamerSource::start(const std::string& path) {
    void* error = nullptr;
    if (!m_api.init(nullptr, nullptr, &error)) {
        if (error) m_api.freeError(error);
        return false;
    }
    m_pipeline = m_api.parseLaunch(kPipeline, &error);
    if (error) m_api.freeError(error);
    if (!m_pipeline) return false;
    m_sink = m_api.binChild(m_pipeline, "sink");
    Object* file = m_api.binChild(m_pipeline, "file");
    if (file) {
        m_api.setProperties(file, "location", path.c_str(), nullptr);
        m_api.unrefObject(file);
    }
    m_bus = m_api.bus(m_pipeline);
    if (!m_sink || !file || !m_bus ||
        m_api.setState(m_pipeline, kStatePlaying) == kStateChangeFailure) {
        return false;
    }
    return pull(kStartTimeoutMs) && m_format.rate > 0;
}

GstreamerSource::~GstreamerSource() {
    if (m_pipeline) m_api.setState(m_pipeline, kStateNull);
    if (m_bus) m_api.unrefObject(m_bus);
    if (m_sink) m_api.unrefObject(m_sink);
    if (m_pipeline) m_api.unrefObject(m_pipeline);
}

bool GstreamerSource::pull(int timeoutMs) {
    void* sample = nullptr;
    for (int waited = 0; !sample; waited += kBlockMs) {
        if (m_stop || waited >= timeoutMs) return false;
        if (void* message = m_api.popMessage(m_bus, kMessageError)) {
            m_api.unrefMiniObject(message);
            return false;
        }
        int ended = 0;
        m_api.getProperties(m_sink, "eos", &ended, nullptr);
        if (ended) return false;
        m_api.emit(m_sink, "try-pull-sample", std::uint64_t{kBlockMs} * 1000000, &sample);
    }
    int rate = 0;
    int channels = 0;
    void* caps = m_api.sampleCaps(sample);
    void* structure = caps ? m_api.capsStructure(caps, 0) : nullptr;
    void* buffer = m_api.sampleBuffer(sample);
    bool good = structure && buffer && m_api.structureInt(structure, "rate", &rate) &&
                m_api.structureInt(structure, "channels", &channels) && rate > 0 && channels >= 1 &&
                channels <= kMaxChannels;
    // The first samples set the format; a stream that changes it later ends there.
    if (good && m_format.rate == 0) m_format = {rate, channels};
    good = good && rate == m_format.rate && channels == m_format.channels;
    if (good) {
        const std::size_t frameBytes = sizeof(float) * channels;
        m_pending.resize(m_api.bufferSize(buffer) / frameBytes * channels);
        m_pending.resize(
            m_api.bufferExtract(buffer, 0, m_pending.data(), m_pending.size() * sizeof(float)) /
            frameBytes * channels);
        m_pendingUsed = 0;
    }
    m_api.unrefMiniObject(sample);
    return good;
}

std::size_t GstreamerSource::read(float* samples, std::size_t frames) {
    // A sample may come empty (a gap in the stream): the next one is pulled.
    while (m_pendingUsed == m_pending.size()) {
        if (!pull(kStartTimeoutMs)) return 0;
    }
    const std::size_t channels = m_format.channels;
    const std::size_t count = std::min(frames * channels, m_pending.size() - m_pendingUsed);
    std::copy_n(m_pending.data() + m_pendingUsed, count, samples);
    m_pendingUsed += count;
    return count / channels;
}

}  // namespace glint::platform::sound
