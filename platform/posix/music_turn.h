#pragma once

// Which of the show's processes plays the music. Outside XScreenSaver there is one process, and it
// does. Inside it the daemon runs one process for each monitor, and only the first of them to ask
// plays: it holds a lock for the user's display until it ends (the system lets go of it then,
// however it ends); the others find it held and stay silent.

#include <string>

namespace glint::platform::posix {

class MusicTurn {
public:
    MusicTurn() = default;
    ~MusicTurn();
    MusicTurn(const MusicTurn&) = delete;
    MusicTurn& operator=(const MusicTurn&) = delete;

    // Whether this process plays; asking again gives the same answer.
    bool take();

    // The lock's file for this user and display, in $XDG_RUNTIME_DIR (or the temporary folder).
    static std::string lockPath();

private:
    int m_fd = -1;
    bool m_asked = false;
    bool m_mine = false;
};

}  // namespace glint::platform::posix
