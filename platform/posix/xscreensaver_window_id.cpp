#include "platform/posix/xscreensaver_window_id.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace glint::platform::posix {

unsigned long parseWindowId(const char* text) {
    if (!text || *text < '0' || *text > '9') return 0;
    char* end = nullptr;
    errno = 0;
    const unsigned long long id = std::strtoull(text, &end, 0);
    // X resource ids have 29 bits; anything past 32 is no window.
    if (errno != 0 || *end != '\0' || id > 0xffffffffULL) return 0;
    return static_cast<unsigned long>(id);
}

unsigned long embeddedWindowFromEnvironment() {
    return parseWindowId(std::getenv("XSCREENSAVER_WINDOW"));
}

unsigned long windowIdFromArguments(int argc, const char* const* argv) {
    constexpr const char* kJoined = "--window-id=";
    for (int i = 1; i < argc; ++i) {
        const char* argument = argv[i];
        if (!argument) continue;
        if (std::strncmp(argument, kJoined, std::strlen(kJoined)) == 0) {
            return parseWindowId(argument + std::strlen(kJoined));
        }
        const bool named =
            std::strcmp(argument, "-window-id") == 0 || std::strcmp(argument, "--window-id") == 0;
        if (named && i + 1 < argc) return parseWindowId(argv[i + 1]);
    }
    return 0;
}

}  // namespace glint::platform::posix
