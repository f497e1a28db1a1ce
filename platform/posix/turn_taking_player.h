#pragma once

#include "platform/posix/music_turn.h"
#include "platform/services.h"

namespace glint::platform::posix {

// A media player that plays only where this process has the music's turn (see MusicTurn): inside
// XScreenSaver the first of the daemon's processes, and everywhere else always.
class TurnTakingPlayer : public MediaPlayer {
public:
    explicit TurnTakingPlayer(MediaPlayer& player) : m_player(player) {}

    void setFileName(const std::string& path) override { m_player.setFileName(path); }
    void play() override {
        if (m_turn.take()) m_player.play();
    }
    void stop() override { m_player.stop(); }

private:
    MediaPlayer& m_player;
    MusicTurn m_turn;
};

}  // namespace glint::platform::posix
