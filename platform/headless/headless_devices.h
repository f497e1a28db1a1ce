#pragma once

// The headless stand-ins for the screen, the default font, the media player and the pointer:
// fixed, and recording what the program asked of them.

#include <string>
#include <vector>

#include "platform/services.h"

namespace glint::platform::headless {

class FixedScreen : public Screen {
public:
    FixedScreen(int width, int height) : m_width(width), m_height(height) {}
    int widthPixels() const override { return m_width; }
    int heightPixels() const override { return m_height; }

private:
    int m_width;
    int m_height;
};

// Every character 8 pixels wide, every line 16 pixels high; an empty text measures 0 x 0.
class FixedTextMetrics : public TextMetrics {
public:
    static constexpr int kCharWidth = 8;
    static constexpr int kLineHeight = 16;
    TextSize measure(const std::string& utf8Text) const override;
};

class FakeMediaPlayer : public MediaPlayer {
public:
    void setFileName(const std::string& path) override;
    void play() override;
    void stop() override;

    const std::string& fileName() const { return m_fileName; }
    bool playing() const { return m_playing; }
    // Every request in order: "open <path>", "play", "stop".
    const std::vector<std::string>& requests() const { return m_requests; }

private:
    std::string m_fileName;
    bool m_playing = false;
    std::vector<std::string> m_requests;
};

class RecordingCursor : public Cursor {
public:
    void showCursor(bool show) override { m_calls.push_back(show); }
    // The arguments of every call in order.
    const std::vector<bool>& calls() const { return m_calls; }
    bool hidden() const { return !m_calls.empty() && !m_calls.back(); }

private:
    std::vector<bool> m_calls;
};

}  // namespace glint::platform::headless
