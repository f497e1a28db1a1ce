#include "platform/posix/music_turn.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/posix/xscreensaver_window_id.h"

namespace glint::platform::posix {

MusicTurn::~MusicTurn() {
    if (m_fd >= 0) ::close(m_fd);
}

std::string MusicTurn::lockPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const char* display = std::getenv("DISPLAY");
    // XScreenSaver on a display of several X screens gives each process its screen's own
    // display name (":0.1"): the lock is the display's, whatever the screen.
    std::string server = display ? display : "";
    const std::size_t colon = server.rfind(':');
    const std::size_t dot = server.find('.', colon == std::string::npos ? 0 : colon);
    if (colon != std::string::npos && dot != std::string::npos) server.resize(dot);
    std::string name = "glint-music-" + std::to_string(::getuid()) + "-";
    for (const char c : server) name += c == '/' ? '_' : c;
    return (runtime && *runtime == '/' ? std::string(runtime) : std::string("/tmp")) + "/" + name +
           ".lock";
}

bool MusicTurn::take() {
    if (m_asked) return m_mine;
    m_asked = true;
    m_mine = true;
    if (embeddedWindowFromEnvironment() == 0) return m_mine;
    m_fd = ::open(lockPath().c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    // Without a lock file to share, each process plays rather than none.
    if (m_fd >= 0 && ::flock(m_fd, LOCK_EX | LOCK_NB) != 0) m_mine = false;
    return m_mine;
}

}  // namespace glint::platform::posix
