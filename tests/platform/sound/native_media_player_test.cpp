#include "platform/sound/native_media_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

#include "tests/platform/sound/wav_bytes.h"
#include "tests/support/temp_folder.h"

namespace glint::platform::sound {
namespace {

using namespace std::chrono_literals;
using glint::testing::TempFolder;
using Clock = std::chrono::steady_clock;

// A sound device that keeps what is written to it. It can hold its opening until let go, take
// each block as slowly as a sound card would, or fail.
class RecordingDevice : public SoundDevice {
public:
    std::unique_ptr<SoundOutput> open(const SoundFormat& format, const StopFlag&) override {
        std::unique_lock<std::mutex> lock(m_mutex);
        m_changed.wait(lock, [this] { return !m_held; });
        formats.push_back(format);
        return std::make_unique<Output>(*this);
    }

    void hold(bool held) {
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_held = held;
        }
        m_changed.notify_all();
    }

    std::vector<float> samples() {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_samples;
    }

    std::size_t blocks() {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_blocks;
    }

    std::vector<SoundFormat> formats;
    std::size_t largestBlock = 0;
    std::chrono::milliseconds pace{0};
    bool failing = false;

private:
    class Output : public SoundOutput {
    public:
        explicit Output(RecordingDevice& device) : m_device(device) {}
        std::size_t write(const float* samples, std::size_t frames) override {
            if (m_device.failing) throw std::runtime_error("the device is gone");
            {
                const std::lock_guard<std::mutex> lock(m_device.m_mutex);
                const std::size_t count = frames * m_device.formats.back().channels;
                m_device.m_samples.insert(m_device.m_samples.end(), samples, samples + count);
                m_device.largestBlock = std::max(m_device.largestBlock, frames);
                ++m_device.m_blocks;
            }
            std::this_thread::sleep_for(m_device.pace);
            return frames;
        }
        bool playOut() override { return false; }

    private:
        RecordingDevice& m_device;
    };

    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_held = false;
    std::vector<float> m_samples;
    std::size_t m_blocks = 0;
};

// Long enough for GStreamer's first start on a busy machine (it builds its plugin registry).
bool waitFor(const std::function<bool()>& condition) {
    const auto deadline = Clock::now() + 30s;
    while (!condition()) {
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

// A stereo tone of `frames` frames at 8000 Hz: left and right apart, each frame different.
std::string toneFile(const TempFolder& folder, int frames) {
    std::string data;
    for (int i = 0; i < frames; ++i)
        data += testing::le16(i * 7 % 20000) + testing::le16(-i % 9000);
    folder.write("tone.wav", testing::wav16(2, 8000, data));
    return folder.file("tone.wav");
}

TEST(NativeMediaPlayer, PlaysTheFileOnceAtMinus6dBAndAgainFromTheStartOnTheNextPlay) {
    TempFolder folder;
    RecordingDevice device;
    NativeMediaPlayer player(device);
    player.setFileName(toneFile(folder, 1000));
    player.play();
    ASSERT_TRUE(waitFor([&] { return !player.playing(); }));
    const std::vector<float> once = device.samples();
    ASSERT_EQ(once.size(), 2000u);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_NEAR(once[2 * i], i * 7 % 20000 / 32768.0 * 0.501187, 1e-6) << i;
        ASSERT_NEAR(once[2 * i + 1], -i % 9000 / 32768.0 * 0.501187, 1e-6) << i;
    }
    ASSERT_EQ(device.formats.size(), 1u);
    EXPECT_EQ(device.formats[0].rate, 8000);
    EXPECT_EQ(device.formats[0].channels, 2);
    EXPECT_LE(device.largestBlock, 8000u * kBlockMs / 1000);

    player.play();
    ASSERT_TRUE(waitFor([&] { return !player.playing(); }));
    const std::vector<float> twice = device.samples();
    ASSERT_EQ(twice.size(), 4000u);
    EXPECT_TRUE(std::equal(once.begin(), once.end(), twice.begin() + 2000));
}

TEST(NativeMediaPlayer, PlayReturnsAtOnceAndStopCutsTheMusicWithoutPlayingItOut) {
    TempFolder folder;
    RecordingDevice device;
    device.pace = std::chrono::milliseconds(kBlockMs);
    device.hold(true);
    NativeMediaPlayer player(device);
    player.setFileName(toneFile(folder, 8000 * 10));
    player.play();
    EXPECT_TRUE(player.playing());
    // Asked again while it plays, it goes on rather than starting over.
    player.play();
    device.hold(false);
    ASSERT_TRUE(waitFor([&] { return device.blocks() >= 3; }));
    const auto asked = Clock::now();
    player.stop();
    EXPECT_LT(Clock::now() - asked, 500ms);
    EXPECT_FALSE(player.playing());
    const std::size_t written = device.blocks();
    std::this_thread::sleep_for(2 * std::chrono::milliseconds(kBlockMs));
    EXPECT_EQ(device.blocks(), written);
    EXPECT_LT(device.samples().size(), 2u * 8000 * 10 / 2);
    EXPECT_EQ(device.formats.size(), 1u);
}

TEST(NativeMediaPlayer, EndsTheMusicWhenTheFileChangesOrThePlayerGoes) {
    TempFolder folder;
    RecordingDevice device;
    device.pace = std::chrono::milliseconds(kBlockMs);
    const std::string tone = toneFile(folder, 8000 * 10);
    {
        NativeMediaPlayer player(device);
        player.setFileName(tone);
        player.play();
        ASSERT_TRUE(waitFor([&] { return device.blocks() >= 1; }));
        player.setFileName(tone);
        EXPECT_TRUE(player.playing());
        player.setFileName(folder.file("other.wav"));
        EXPECT_FALSE(player.playing());
        player.setFileName(tone);
        const std::size_t before = device.blocks();
        player.play();
        ASSERT_TRUE(waitFor([&] { return device.blocks() > before; }));
    }
    const std::size_t written = device.blocks();
    std::this_thread::sleep_for(2 * std::chrono::milliseconds(kBlockMs));
    EXPECT_EQ(device.blocks(), written);
}

TEST(NativeMediaPlayer, StaysSilentWithoutComplaintForWhatIsNoMusic) {
    TempFolder folder;
    folder.write("text.mp3", "no music here");
    folder.write("lying.wav", testing::riffWave(testing::chunkClaiming("fmt ", 4000, "abc")));
    RecordingDevice device;
    NativeMediaPlayer player(device);
    for (const std::string& path : {std::string(), folder.file("missing.wav"),
                                    folder.file("text.mp3"), folder.file("lying.wav")}) {
        SCOPED_TRACE(path);
        player.setFileName(path);
        EXPECT_NO_THROW(player.play());
        EXPECT_TRUE(waitFor([&] { return !player.playing(); }));
    }
    EXPECT_TRUE(device.formats.empty());
}

TEST(NativeMediaPlayer, AFailingDeviceEndsTheMusicAloneAndTheNextPlayWorks) {
    TempFolder folder;
    RecordingDevice device;
    device.failing = true;
    NativeMediaPlayer player(device);
    player.setFileName(toneFile(folder, 100));
    EXPECT_NO_THROW(player.play());
    ASSERT_TRUE(waitFor([&] { return !player.playing(); }));
    device.failing = false;
    player.play();
    ASSERT_TRUE(waitFor([&] { return !player.playing(); }));
    EXPECT_EQ(device.samples().size(), 200u);
}

}  // namespace
}  // namespace glint::platform::sound
