#include "assets/sample/wav_writer.h"

#include <gtest/gtest.h>

namespace glint::assets {
namespace {

std::uint32_t readU32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

std::uint16_t readU16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

TEST(WavEncoding, HeaderDescribesMono16BitPcmAndItsSizesMatchTheSamples) {
    const auto file = encodeWav({0.0, 0.1, 0.2, 0.3, 0.4}, 22050);
    ASSERT_EQ(file.size(), 44u + 10u);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 4), "RIFF");
    EXPECT_EQ(readU32(file, 4), file.size() - 8);
    EXPECT_EQ(std::string(file.begin() + 8, file.begin() + 16), "WAVEfmt ");
    EXPECT_EQ(readU32(file, 16), 16u);
    EXPECT_EQ(readU16(file, 20), 1u);      // PCM
    EXPECT_EQ(readU16(file, 22), 1u);      // one channel
    EXPECT_EQ(readU32(file, 24), 22050u);  // samples a second
    EXPECT_EQ(readU32(file, 28), 44100u);  // bytes a second
    EXPECT_EQ(readU16(file, 32), 2u);      // bytes a sample frame
    EXPECT_EQ(readU16(file, 34), 16u);     // bits a sample
    EXPECT_EQ(std::string(file.begin() + 36, file.begin() + 40), "data");
    EXPECT_EQ(readU32(file, 40), 10u);
}

TEST(WavEncoding, SamplesAreLittleEndianScaledAndClipped) {
    const auto file = encodeWav({1.0, -1.0, 3.0, -3.0, 0.5, -0.25}, 8000);
    ASSERT_EQ(file.size(), 44u + 12u);
    EXPECT_EQ(static_cast<std::int16_t>(readU16(file, 44)), 32767);
    EXPECT_EQ(static_cast<std::int16_t>(readU16(file, 46)), -32767);
    EXPECT_EQ(static_cast<std::int16_t>(readU16(file, 48)), 32767);
    EXPECT_EQ(static_cast<std::int16_t>(readU16(file, 50)), -32767);
    EXPECT_EQ(static_cast<std::int16_t>(readU16(file, 52)), 16384);
    EXPECT_EQ(static_cast<std::int16_t>(readU16(file, 54)), -8192);
}

}  // namespace
}  // namespace glint::assets
