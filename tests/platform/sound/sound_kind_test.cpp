#include "platform/sound/sound_kind.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_folder.h"

namespace glint::platform::sound {
namespace {

SoundKind kindOf(const std::string& head) {
    return recogniseSound(reinterpret_cast<const unsigned char*>(head.data()), head.size());
}

TEST(SoundKind, TellsMusicByItsFirstBytes) {
    EXPECT_EQ(kindOf(std::string("RIFF\x24\x10\0\0WAVEfmt ", 16)), SoundKind::Wave);
    EXPECT_EQ(kindOf("ID3\x04\x00"), SoundKind::Mpeg);
    // MPEG-1 layer III at 128 kbit/s, 44.1 kHz; MPEG-2 layer III; MPEG-2.5.
    EXPECT_EQ(kindOf("\xFF\xFB\x90\x64"), SoundKind::Mpeg);
    EXPECT_EQ(kindOf("\xFF\xF3\x48\xC4"), SoundKind::Mpeg);
    EXPECT_EQ(kindOf("\xFF\xE3\x18\xC4"), SoundKind::Mpeg);
    EXPECT_EQ(
        kindOf(std::string("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C", 16)),
        SoundKind::Asf);
}

TEST(SoundKind, LeavesLookAlikesAndShortHeadsUnknown) {
    EXPECT_EQ(kindOf(std::string("RIFF\x24\x10\0\0AVI ", 12)), SoundKind::Unknown);
    EXPECT_EQ(kindOf("RIFF"), SoundKind::Unknown);
    EXPECT_EQ(kindOf("ID"), SoundKind::Unknown);
    // Reserved version, layer, bit rate or sample rate: no frame header.
    EXPECT_EQ(kindOf("\xFF\xEB\x90\x64"), SoundKind::Unknown);
    EXPECT_EQ(kindOf("\xFF\xF9\x90\x64"), SoundKind::Unknown);
    EXPECT_EQ(kindOf("\xFF\xFB\xF0\x64"), SoundKind::Unknown);
    EXPECT_EQ(kindOf("\xFF\xFB\x9C\x64"), SoundKind::Unknown);
    EXPECT_EQ(kindOf(std::string("\x30\x26\xB2\x75\x8E\x66\xCF\x11", 8)), SoundKind::Unknown);
    EXPECT_EQ(kindOf("no music here"), SoundKind::Unknown);
    EXPECT_EQ(kindOf(""), SoundKind::Unknown);
}

TEST(SoundKind, ReadsTheKindFromTheFileWhateverItsName) {
    glint::testing::TempFolder folder;
    folder.write("song.wma", "ID3\x03\x00 and the rest");
    EXPECT_EQ(recogniseSoundFile(folder.file("song.wma")), SoundKind::Mpeg);
    EXPECT_EQ(recogniseSoundFile(folder.file("missing.mp3")), SoundKind::Unknown);
}

}  // namespace
}  // namespace glint::platform::sound
