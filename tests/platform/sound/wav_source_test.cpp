#include "platform/sound/wav_source.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <vector>

#include "tests/platform/sound/wav_bytes.h"
#include "tests/support/temp_folder.h"

namespace glint::platform::sound {
namespace {

using namespace testing;
using glint::testing::TempFolder;
using Encoding = WavSource::Encoding;

std::unique_ptr<WavSource> openBytes(const TempFolder& folder, const std::string& bytes) {
    folder.write("music.wav", bytes);
    return WavSource::open(folder.file("music.wav"));
}

// Every sample, read in blocks of 3 frames so reads end mid-file.
std::vector<float> readAll(SoundSource& source) {
    std::vector<float> all;
    std::vector<float> block(3 * source.format().channels);
    while (const std::size_t got = source.read(block.data(), 3)) {
        all.insert(all.end(), block.begin(), block.begin() + got * source.format().channels);
    }
    return all;
}

std::string doubleBytes(double value) {
    std::string bytes(sizeof value, '\0');
    std::memcpy(bytes.data(), &value, sizeof value);
    return bytes;
}

struct EncodedSamples {
    const char* name;
    std::string format;  // the fmt chunk's body, stereo at 22050 Hz
    Encoding encoding;
    std::string data;  // the frames (0, full negative) and (half, quarter)
};

TEST(WavSource, DecodesEveryEncodingToTheSameSamples) {
    const std::string half32 = le32(0x3F000000), quarter32 = le32(0x3E800000);
    const std::vector<EncodedSamples> cases = {
        {"8-bit", formatBody(1, 2, 22050, 8), Encoding::Unsigned8,
         std::string("\x80\x00\xC0\xA0", 4)},
        {"16-bit", formatBody(1, 2, 22050, 16), Encoding::Signed16,
         le16(0) + le16(0x8000) + le16(0x4000) + le16(0x2000)},
        {"24-bit", formatBody(1, 2, 22050, 24), Encoding::Signed24,
         std::string("\0\0\0\0\0\x80\0\0\x40\0\0\x20", 12)},
        {"32-bit", formatBody(1, 2, 22050, 32), Encoding::Signed32,
         le32(0) + le32(0x80000000) + le32(0x40000000) + le32(0x20000000)},
        {"float", formatBody(3, 2, 22050, 32), Encoding::Float32,
         le32(0) + le32(0xBF800000) + half32 + quarter32},
        {"double", formatBody(3, 2, 22050, 64), Encoding::Float64,
         doubleBytes(0) + doubleBytes(-1) + doubleBytes(0.5) + doubleBytes(0.25)},
        {"extensible 20 of 24 bits", extensibleBody(1, 2, 22050, 24, 20), Encoding::Signed24,
         std::string("\0\0\0\0\0\x80\0\0\x40\0\0\x20", 12)},
        {"extensible float", extensibleBody(3, 2, 22050, 32, 32), Encoding::Float32,
         le32(0) + le32(0xBF800000) + half32 + quarter32},
    };
    TempFolder folder;
    for (const EncodedSamples& c : cases) {
        SCOPED_TRACE(c.name);
        const auto source =
            openBytes(folder, riffWave(chunk("fmt ", c.format) + chunk("data", c.data)));
        ASSERT_NE(source, nullptr);
        EXPECT_EQ(source->encoding(), c.encoding);
        EXPECT_EQ(source->format().rate, 22050);
        EXPECT_EQ(source->format().channels, 2);
        EXPECT_EQ(readAll(*source), (std::vector<float>{0.0f, -1.0f, 0.5f, 0.25f}));
    }
}

TEST(WavSource, KeepsAnyChannelCountAndRateAndSkipsOtherChunks) {
    TempFolder folder;
    std::string frames;
    for (int channel = 0; channel < 6; ++channel) frames += le16(channel * 0x1000);
    // An odd-sized chunk before the sound is padded to an even size.
    const auto source = openBytes(folder, riffWave(chunk("fmt ", formatBody(1, 6, 11025, 16)) +
                                                   chunk("LIST", "odd") + chunk("data", frames)));
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(source->format().rate, 11025);
    EXPECT_EQ(source->format().channels, 6);
    EXPECT_EQ(readAll(*source).at(5), 5 * 0x1000 / 32768.0f);
}

TEST(WavSource, PlaysWhatAFileCutShortHolds) {
    TempFolder folder;
    // The data chunk claims 1000 frames; the file holds 2 and a half.
    const std::string cut = riffWave(chunk("fmt ", formatBody(1, 2, 8000, 16)) +
                                     chunkClaiming("data", 4000, std::string(10, '\x10')));
    auto source = openBytes(folder, cut);
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(source->framesLeft(), 2u);
    EXPECT_EQ(readAll(*source).size(), 4u);
    // Programs that write as they record leave the sizes at 0 or at their largest.
    std::string streamed = cut;
    streamed.replace(4, 4, le32(0));
    streamed.replace(40, 4, le32(0xFFFFFFFF));
    source = openBytes(folder, streamed);
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(source->framesLeft(), 2u);
}

TEST(WavSource, RefusesWhatItCannotTrustWithoutReadingPastTheFile) {
    const std::string pcm = formatBody(1, 2, 8000, 16);
    const std::string data = chunk("data", std::string(8, '\x10'));
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"empty file", ""},
        {"RIFF header cut", std::string("RIFF\x10\0\0\0WA", 10)},
        {"not WAVE", "RIFF" + le32(4) + "AVI "},
        {"no data chunk", riffWave(chunk("fmt ", pcm))},
        {"no format chunk", riffWave(data)},
        {"data before format", riffWave(data + chunk("fmt ", pcm))},
        {"format chunk cut", riffWave(chunkClaiming("fmt ", 16, pcm.substr(0, 10)))},
        {"format chunk too short", riffWave(chunk("fmt ", pcm.substr(0, 14)) + data)},
        {"chunk longer than the file",
         riffWave(chunk("fmt ", pcm) + chunkClaiming("LIST", 0xFFFFFFF0, "abcd") + data)},
        {"empty data", riffWave(chunk("fmt ", pcm) + chunk("data", ""))},
        {"less than a frame", riffWave(chunk("fmt ", pcm) + chunk("data", "\x01\x02"))},
        {"ADPCM", riffWave(chunk("fmt ", formatBody(2, 2, 8000, 4)) + data)},
        {"no channels", riffWave(chunk("fmt ", formatBody(1, 0, 8000, 16)) + data)},
        {"no rate", riffWave(chunk("fmt ", formatBody(1, 2, 0, 16)) + data)},
        {"40-bit integers", riffWave(chunk("fmt ", formatBody(1, 1, 8000, 40)) + data)},
        {"16-bit floats", riffWave(chunk("fmt ", formatBody(3, 1, 8000, 16)) + data)},
        {"block size lies", riffWave(chunk("fmt ", pcm.substr(0, 12) + le16(3) + le16(16)) + data)},
        {"extensible cut",
         riffWave(chunk("fmt ", extensibleBody(1, 2, 8000, 16, 16).substr(0, 30)) + data)},
        {"extensible of another kind",
         riffWave(chunk("fmt ", extensibleBody(1, 2, 8000, 16, 16).substr(0, 39) + "X") + data)},
    };
    TempFolder folder;
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(openBytes(folder, bytes), nullptr);
    }
    EXPECT_EQ(WavSource::open(folder.file("missing.wav")), nullptr);
    EXPECT_EQ(WavSource::open(folder.path()), nullptr);
}

TEST(WavSource, TurnsFloatsThatAreNoNumbersIntoSilence) {
    TempFolder folder;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float infinity = std::numeric_limits<float>::infinity();
    std::string data(8, '\0');
    std::memcpy(data.data(), &nan, 4);
    std::memcpy(data.data() + 4, &infinity, 4);
    const auto source = openBytes(
        folder, riffWave(chunk("fmt ", formatBody(3, 2, 8000, 32)) + chunk("data", data)));
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(readAll(*source), (std::vector<float>{0.0f, 0.0f}));
}

}  // namespace
}  // namespace glint::platform::sound
