// glintsaver: the picture show on X11 without a toolkit, the player that travels inside a
// package. Command-line arguments are ignored, but for the window XScreenSaver may name with
// "-window-id ID": whatever a launcher passes, the show starts.

#include <fontconfig/fontconfig.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <string>
#include <thread>

// Before the X11 backend's headers, whose Xlib macros (None) would change the controls' names.
#include "player/form1.h"

#include "language/translate.h"
#include "platform/pictures/native_picture_loader.h"
#include "platform/posix/turn_taking_player.h"
#include "platform/posix/xscreensaver_window_id.h"
#include "platform/services.h"
#include "platform/sound/native_media_player.h"
#include "platform/timer_scheduler.h"
#include "platform/x11/caption_font.h"
#include "platform/x11/x11_clock.h"
#include "platform/x11/x11_connection.h"
#include "platform/x11/x11_cursor.h"
#include "platform/x11/x11_runtime.h"
#include "platform/x11/x11_screen.h"
#include "platform/x11/x11_text_metrics.h"
#include "platform/x11/xft_font_set.h"

namespace {

// The folder of the running program, links resolved: the package lies beside it.
std::string ownFolder() {
    std::string path(4096, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", path.data(), path.size());
    if (length <= 0 || static_cast<std::size_t>(length) >= path.size()) return ".";
    path.resize(static_cast<std::size_t>(length));
    const std::size_t slash = path.rfind('/');
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A window named as an argument counts as XScreenSaver's, for every part of the show that asks.
void takeWindowFromArguments(int argc, const char* const* argv) {
    namespace posix = glint::platform::posix;
    const unsigned long named = posix::windowIdFromArguments(argc, argv);
    if (named == 0 || posix::embeddedWindowFromEnvironment() != 0) return;
    char id[32];
    std::snprintf(id, sizeof id, "0x%lx", named);
    ::setenv("XSCREENSAVER_WINDOW", id, 1);
}

}  // namespace

int main(int argc, char* argv[]) {
    namespace platform = glint::platform;
    namespace x11 = glint::platform::x11;
    glint::language::useDesktopLanguage();
    takeWindowFromArguments(argc, argv);
    const Window embedded = platform::posix::embeddedWindowFromEnvironment();
    // fontconfig reads the system's whole font configuration before the caption's font opens
    // (about 20 ms from a cold disk, a third of the start): it does so beside the connection and
    // the rest of the set-up.
    std::jthread fontconfig([] { FcInit(); });
    try {
        x11::X11Connection connection;
        x11::X11Clock clock;
        platform::TimerScheduler timers(clock);
        // The show works in the screen's device pixels; the caption keeps its physical size.
        x11::X11Screen screen(connection, embedded);
        platform::pictures::NativePictureLoader pictures;
        platform::sound::NativeMediaPlayer music;
        platform::posix::TurnTakingPlayer media(music);
        x11::X11Cursor cursor(connection.display());
        fontconfig.join();
        x11::XftFontSet font(connection.display(), connection.screen(),
                             x11::captionPixelSize(connection.fontDpi()));
        x11::X11TextMetrics textMetrics(font);
        x11::X11Runtime runtime(connection, timers, cursor, font, embedded);
        platform::Services services{ownFolder(), timers, runtime, screen, textMetrics,
                                    pictures,    media,  cursor,  runtime};

        glint::player::Form1 form(services);
        return runtime.run(form);
    } catch (const std::exception& failure) {
        // Before the show's window: no display, or no font at all.
        std::cerr << "glintsaver: " << failure.what() << std::endl;
        return 1;
    }
}
