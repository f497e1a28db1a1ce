#include "platform/win32/win32_media_player.h"

#include <mmsystem.h>
// The digital-video commands after the basic ones.
#include <digitalv.h>

#include <chrono>

#include "platform/win32/wide_text.h"

namespace glint::platform::win32 {
namespace {

// How often the playing thread asks the device whether the music has come to its end.
constexpr std::chrono::milliseconds kEndPoll{100};

// Opened by structure rather than by a command string: a path needs no quoting then, whatever
// characters it holds.
MCIDEVICEID openDevice(const std::wstring& path) {
    MCI_OPEN_PARMSW open{};
    open.lpstrDeviceType = L"mpegvideo";
    open.lpstrElementName = path.c_str();
    if (mciSendCommandW(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT | MCI_WAIT,
                        reinterpret_cast<DWORD_PTR>(&open)) != 0) {
        return 0;
    }
    return open.wDeviceID;
}

void setVolume(MCIDEVICEID device, DWORD volume) {
    MCI_DGV_SETAUDIO_PARMSW audio{};
    audio.dwItem = MCI_DGV_SETAUDIO_VOLUME;
    audio.dwValue = volume;
    mciSendCommandW(device, MCI_SETAUDIO, MCI_DGV_SETAUDIO_ITEM | MCI_DGV_SETAUDIO_VALUE,
                    reinterpret_cast<DWORD_PTR>(&audio));
}

bool startPlaying(MCIDEVICEID device) {
    // Once, from the start, without waiting for the end.
    MCI_PLAY_PARMS play{};
    return mciSendCommandW(device, MCI_PLAY, 0, reinterpret_cast<DWORD_PTR>(&play)) == 0;
}

bool stillPlaying(MCIDEVICEID device) {
    MCI_STATUS_PARMS status{};
    status.dwItem = MCI_STATUS_MODE;
    return mciSendCommandW(device, MCI_STATUS, MCI_STATUS_ITEM,
                           reinterpret_cast<DWORD_PTR>(&status)) == 0 &&
           status.dwReturn == MCI_MODE_PLAY;
}

void closeDevice(MCIDEVICEID device) {
    mciSendCommandW(device, MCI_STOP, MCI_WAIT, 0);
    mciSendCommandW(device, MCI_CLOSE, MCI_WAIT, 0);
}

}  // namespace

Win32MediaPlayer::~Win32MediaPlayer() {
    stop();
}

void Win32MediaPlayer::setFileName(const std::string& path) {
    const std::wstring wide = widen(path);
    if (wide == m_path) return;
    stop();
    m_path = wide;
}

void Win32MediaPlayer::play() {
    if (m_player.joinable()) return;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = false;
    }
    m_state = State::Starting;
    m_player = std::thread(&Win32MediaPlayer::session, this, m_path);
}

void Win32MediaPlayer::stop() {
    if (!m_player.joinable()) return;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_stopRequested.notify_one();
    m_player.join();
    m_state = State::Idle;
}

void Win32MediaPlayer::session(std::wstring path) {
    const MCIDEVICEID device = path.empty() ? 0 : openDevice(path);
    if (device != 0) {
        setVolume(device, kVolume);
        m_state = startPlaying(device) ? State::Playing : State::Silent;
    } else {
        m_state = State::Silent;
    }
    {
        // Until stop is asked for, looking out for the music's end while it plays.
        std::unique_lock<std::mutex> lock(m_mutex);
        while (!m_stopping) {
            if (m_state != State::Playing) {
                m_stopRequested.wait(lock);
            } else if (!m_stopRequested.wait_for(lock, kEndPoll, [this] { return m_stopping; }) &&
                       !stillPlaying(device)) {
                m_state = State::Ended;
            }
        }
    }
    if (device != 0) closeDevice(device);
}

}  // namespace glint::platform::win32
