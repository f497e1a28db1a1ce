#include "platform/headless/headless_devices.h"

namespace glint::platform::headless {

TextSize FixedTextMetrics::measure(const std::string& utf8Text) const {
    int characters = 0;
    for (const char c : utf8Text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
    }
    if (characters == 0) return {0, 0};
    return {characters * kCharWidth, kLineHeight};
}

void FakeMediaPlayer::setFileName(const std::string& path) {
    m_fileName = path;
    m_requests.push_back("open " + path);
}

void FakeMediaPlayer::play() {
    m_playing = true;
    m_requests.push_back("play");
}

void FakeMediaPlayer::stop() {
    m_playing = false;
    m_requests.push_back("stop");
}

}  // namespace glint::platform::headless
