#pragma once

#include <windows.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "platform/services.h"

namespace glint::platform::win32 {

// Plays one audio file once through MCI's "mpegvideo" device (DirectShow): MP3, WMA and WAV, at
// -6 dB. Failures of the media itself (a missing file, an unknown format, no sound device) are
// not reported: the show goes on silent.
//
// Opening the device starts DirectShow, which takes about 0.4 s cold under Wine. So the music
// plays from a thread of its own that opens, plays and, when asked, stops and closes the device:
// play() returns at once and the show's first frame is not held back. Every MCI command for the
// device is sent from that thread: MCI answers a device's commands only on the thread that opened
// it.
class Win32MediaPlayer : public MediaPlayer {
public:
    // The device's volume scale: 1000 is full volume and each step down a tenth of a decibel
    // (DirectShow's volume is in hundredths of a decibel: 10 x (value - 1000)). -6 dB is 940;
    // 500 would be -50 dB, nearly silent.
    static constexpr DWORD kVolume = 940;

    enum class State {
        Idle,      // no music asked for, or stopped
        Starting,  // the device is being opened
        Playing,   // the file is playing
        Ended,     // the file has played to its end
        Silent,    // the file could not be played
    };

    Win32MediaPlayer() = default;
    ~Win32MediaPlayer() override;
    Win32MediaPlayer(const Win32MediaPlayer&) = delete;
    Win32MediaPlayer& operator=(const Win32MediaPlayer&) = delete;

    // A new file ends the music playing. Paths are UTF-8.
    void setFileName(const std::string& path) override;
    // Starts the file from its beginning, unless its music already runs.
    void play() override;
    // Stops the music and closes the device; waits for an opening device to finish first.
    void stop() override;

    State state() const { return m_state; }

private:
    void session(std::wstring path);

    std::wstring m_path;
    std::thread m_player;
    std::mutex m_mutex;
    std::condition_variable m_stopRequested;
    bool m_stopping = false;
    std::atomic<State> m_state{State::Idle};
};

}  // namespace glint::platform::win32
