#include "assets/sample/sample_show.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "assets/sample/sample_pictures.h"
#include "package/paths.h"
#include "package/quoted_list.h"

namespace glint::assets {
namespace {

namespace fs = std::filesystem;

std::vector<char> readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t u32At(const std::vector<char>& b, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<std::uint8_t>(b[at + i]);
    return value;
}

class SampleShow : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "glint-sample-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_root = pattern;
    }
    void TearDown() override { fs::remove_all(m_root); }

    std::string folder(const std::string& name) {
        fs::create_directory(m_root / name);
        return (m_root / name).string();
    }

    fs::path m_root;
};

TEST_F(SampleShow, EveryPictureInPbDatLiesInTheFolderAndDecodesAtItsSize) {
    const std::string out = folder("show");
    writeSampleShow(out);
    const auto names = package::readQuotedTexts(package::namedPath(out, "pb.dat"));
    const auto pictures = samplePictures();
    ASSERT_EQ(names.size(), pictures.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(names[i], pictures[i].fileName);
        const QImage image(QString::fromStdString(package::namedPath(out, names[i])));
        EXPECT_FALSE(image.isNull()) << names[i];
        EXPECT_EQ(image.size(), pictures[i].size) << names[i];
    }
}

TEST_F(SampleShow, ListsNameTheMusicPlayItOnceAndCarryTheCaption) {
    const std::string out = folder("show");
    writeSampleShow(out);
    const std::string music = package::lastQuotedText(package::namedPath(out, "ms.dat"));
    EXPECT_TRUE(fs::is_regular_file(package::namedPath(out, music)));
    EXPECT_EQ(package::lastQuotedText(package::namedPath(out, "kg.ini")), "1");
    EXPECT_EQ(package::lastQuotedText(package::namedPath(out, "timu.dat")), kCaption);
}

TEST_F(SampleShow, MusicIsAWavWhoseHeaderMatchesTheFileAndLastsAboutHalfAMinute) {
    const std::string out = folder("show");
    writeSampleShow(out);
    const auto wav = readAll(package::namedPath(out, kMusicFileName));
    ASSERT_GT(wav.size(), 44u);
    EXPECT_EQ(u32At(wav, 4), wav.size() - 8);
    EXPECT_EQ(u32At(wav, 40), wav.size() - 44);
    EXPECT_EQ(u32At(wav, 24), static_cast<std::uint32_t>(kSampleRate));
    const double seconds = (wav.size() - 44) / 2.0 / kSampleRate;
    EXPECT_GE(seconds, 20.0);
    EXPECT_LE(seconds, 30.0);
    int loudest = 0;
    for (std::size_t i = 44; i + 1 < wav.size(); i += 2) {
        const auto s = static_cast<std::int16_t>(static_cast<std::uint8_t>(wav[i]) |
                                                 static_cast<std::uint8_t>(wav[i + 1]) << 8);
        loudest = std::max(loudest, std::abs(static_cast<int>(s)));
    }
    // Scaled to 0.85 of full scale: audible, never clipped.
    EXPECT_NEAR(loudest, 0.85 * 32767, 2);
}

TEST_F(SampleShow, TwoRunsWriteTheSameBytes) {
    const std::string first = folder("first");
    const std::string second = folder("second");
    const auto names = writeSampleShow(first);
    EXPECT_EQ(writeSampleShow(second), names);
    for (const std::string& name : names) {
        EXPECT_EQ(readAll(package::namedPath(first, name)),
                  readAll(package::namedPath(second, name)))
            << name;
    }
}

TEST_F(SampleShow, RefusesAMissingFolderAndCreatesNothing) {
    const fs::path missing = m_root / "missing";
    EXPECT_THROW(writeSampleShow(missing.string()), SampleError);
    EXPECT_FALSE(fs::exists(missing));
}

TEST_F(SampleShow, RefusesAFolderThatAlreadyHoldsAListAndLeavesItAlone) {
    const std::string out = folder("show");
    { std::ofstream(package::namedPath(out, "pb.dat")) << "\"mine.jpg\"\r\n"; }
    EXPECT_THROW(writeSampleShow(out), SampleError);
    EXPECT_EQ(package::readQuotedTexts(package::namedPath(out, "pb.dat")),
              std::vector<std::string>{"mine.jpg"});
    EXPECT_FALSE(fs::exists(package::namedPath(out, samplePictures().front().fileName)));
}

TEST_F(SampleShow, NeverWritesThroughALinkThatLeavesTheFolder) {
    const std::string out = folder("show");
    const fs::path outside = m_root / "outside.jpg";
    fs::create_symlink(outside, package::namedPath(out, samplePictures().back().fileName));
    EXPECT_THROW(writeSampleShow(out), SampleError);
    EXPECT_FALSE(fs::exists(outside));
    EXPECT_FALSE(fs::exists(package::namedPath(out, "pb.dat")));
}

}  // namespace
}  // namespace glint::assets
