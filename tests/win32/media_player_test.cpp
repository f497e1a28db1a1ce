// Music through MCI, run as a Windows program (under Wine here, with its null sound device).

#include "platform/win32/win32_media_player.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>
#include <thread>

#include "platform/win32/wide_text.h"
#include "tests/support/temp_folder.h"

namespace glint::platform::win32 {
namespace {

using testing::TempFolder;
using State = Win32MediaPlayer::State;
using namespace std::chrono_literals;

void putLittle(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes += static_cast<char>(value >> (8 * i) & 0xFF);
}

// A 440 Hz tone, 16-bit mono at 22,050 Hz.
std::string waveFile(int milliseconds) {
    constexpr int kRate = 22050;
    const int samples = kRate * milliseconds / 1000;
    std::string bytes = "RIFF";
    putLittle(bytes, static_cast<std::uint32_t>(36 + samples * 2), 4);
    bytes += "WAVEfmt ";
    putLittle(bytes, 16, 4);
    putLittle(bytes, 1, 2);  // PCM
    putLittle(bytes, 1, 2);  // mono
    putLittle(bytes, kRate, 4);
    putLittle(bytes, kRate * 2, 4);
    putLittle(bytes, 2, 2);
    putLittle(bytes, 16, 2);
    bytes += "data";
    putLittle(bytes, static_cast<std::uint32_t>(samples * 2), 4);
    for (int i = 0; i < samples; ++i) {
        const double phase = 2 * 3.14159265358979 * 440 * i / kRate;
        putLittle(bytes,
                  static_cast<std::uint16_t>(static_cast<std::int16_t>(8000 * std::sin(phase))), 2);
    }
    return bytes;
}

// MPEG-1 layer III frames at 128 kbit/s and 44.1 kHz, 417 bytes each (26 ms) with nothing in
// them: silence.
std::string silentMp3(int frames) {
    std::string frame(417, '\0');
    frame.replace(0, 4, "\xFF\xFB\x90\x64");
    std::string bytes;
    for (int i = 0; i < frames; ++i) bytes += frame;
    return bytes;
}

// Waits while the player is in the state, for at most ten seconds; returns the state it is in then.
State after(const Win32MediaPlayer& player, State state) {
    for (int waited = 0; waited < 10000 && player.state() == state; waited += 10) {
        std::this_thread::sleep_for(10ms);
    }
    return player.state();
}

// Whether nobody has the file open: only then does it open without sharing.
bool closedEverywhere(const std::string& path) {
    const HANDLE file =
        CreateFileW(widen(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

struct MediaPlayer : ::testing::Test {
    TempFolder folder;
    Win32MediaPlayer player;

    std::string file(const std::string& name, const std::string& bytes) {
        folder.write(name, bytes);
        return folder.file(name);
    }
};

TEST_F(MediaPlayer, AFilePlaysOnceFromAThreadOfItsOwnAndStopsOnRequest) {
    const std::string song = file("晚风 (live) 'mix'.wav", waveFile(600));
    player.setFileName(song);
    player.play();
    // The device opens meanwhile: the caller goes on at once.
    EXPECT_EQ(player.state(), State::Starting);
    ASSERT_EQ(after(player, State::Starting), State::Playing);
    EXPECT_FALSE(closedEverywhere(song));
    // Once: the end comes and stays.
    EXPECT_EQ(after(player, State::Playing), State::Ended);
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(player.state(), State::Ended);
    player.play();  // already started: nothing new
    EXPECT_EQ(player.state(), State::Ended);
    player.stop();
    EXPECT_EQ(player.state(), State::Idle);
    EXPECT_TRUE(closedEverywhere(song));
}

TEST_F(MediaPlayer, Mp3PlaysAndANewFileEndsTheMusicBefore) {
    const std::string wave = file("tone.wav", waveFile(3000));
    player.setFileName(wave);
    player.play();
    ASSERT_EQ(after(player, State::Starting), State::Playing);
    player.setFileName(file("音乐 一.mp3", silentMp3(80)));
    EXPECT_EQ(player.state(), State::Idle);
    EXPECT_TRUE(closedEverywhere(wave));
    player.play();
    EXPECT_EQ(after(player, State::Starting), State::Playing);
}

TEST_F(MediaPlayer, FilesThatCannotBePlayedLeaveTheShowSilentWithoutAnError) {
    for (const std::string& path :
         {folder.file("missing.mp3"), file("notes.mp3", "no music in here"), std::string()}) {
        SCOPED_TRACE(path);
        player.setFileName(path);
        player.play();
        EXPECT_EQ(after(player, State::Starting), State::Silent);
        player.stop();
        EXPECT_EQ(player.state(), State::Idle);
    }
}

TEST_F(MediaPlayer, StoppingWhileTheDeviceOpensLeavesNothingPlaying) {
    const std::string song = file("tone.wav", waveFile(3000));
    player.setFileName(song);
    player.play();
    player.stop();
    EXPECT_EQ(player.state(), State::Idle);
    EXPECT_TRUE(closedEverywhere(song));
    // And it starts again when asked.
    player.play();
    EXPECT_EQ(after(player, State::Starting), State::Playing);
}

}  // namespace
}  // namespace glint::platform::win32
