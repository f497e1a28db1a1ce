// Milliseconds from starting a program until it shows something, read from the X server's screen:
// "caption" waits for the player's yellow caption in the top-right corner (more than 20 pixels of
// the 200 x 24 corner), "photo" for the bluish photo in the middle of the screen (see
// make_pictures). With --cold, the page cache is dropped first (as root), after this probe has
// connected, so that neither its own start-up nor the libraries it loads warm the program's.
// Polls every millisecond with a read of the few pixels it looks at: a screenshot takes about
// 0.1 s and holds the X server meanwhile, which slows the very program being timed.
// Prints -1 when nothing showed within 10 s or the program ended first.
// usage: first_frame_probe caption|photo [--cold] COMMAND [ARGUMENT...]

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

struct Region {
    int x, y, width, height;
};

// Whether the region shows what the mode waits for.
bool shown(Display* display, bool caption) {
    const int width = DisplayWidth(display, DefaultScreen(display));
    const int height = DisplayHeight(display, DefaultScreen(display));
    const Region region =
        caption ? Region{width - 200, 0, 200, 24} : Region{width / 2, height / 2, 1, 1};
    // XDestroyImage is a macro.
    const auto destroy = [](XImage* image) { XDestroyImage(image); };
    const std::unique_ptr<XImage, decltype(destroy)> image(
        XGetImage(display, DefaultRootWindow(display), region.x, region.y,
                  static_cast<unsigned>(region.width), static_cast<unsigned>(region.height),
                  AllPlanes, ZPixmap),
        destroy);
    if (!image) return false;
    int matching = 0;
    for (int y = 0; y < region.height; ++y) {
        for (int x = 0; x < region.width; ++x) {
            const unsigned long pixel = XGetPixel(image.get(), x, y);
            const unsigned long red = pixel >> 16 & 0xFF;
            const unsigned long green = pixel >> 8 & 0xFF;
            const unsigned long blue = pixel & 0xFF;
            if (caption ? red > 190 && green > 190 && blue < 60 : blue > 120) ++matching;
        }
    }
    return caption ? matching > 20 : matching > 0;
}

void dropCaches() {
    sync();
    std::ofstream("/proc/sys/vm/drop_caches") << "3\n";
}

}  // namespace

int main(int argc, char* argv[]) {
    int first = 2;
    const bool cold = argc > 2 && std::strcmp(argv[2], "--cold") == 0;
    if (cold) ++first;
    if (argc <= first ||
        (std::strcmp(argv[1], "caption") != 0 && std::strcmp(argv[1], "photo") != 0)) {
        std::fprintf(stderr, "usage: first_frame_probe caption|photo [--cold] COMMAND...\n");
        return 2;
    }
    const bool caption = std::strcmp(argv[1], "caption") == 0;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "first_frame_probe: no X display\n");
        return 2;
    }
    // What an earlier run left on the screen goes first.
    for (int wait = 0; wait < 3000 && shown(display, caption); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (cold) dropCaches();

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("first_frame_probe: fork");
        return 2;
    }
    if (child == 0) {
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDOUT_FILENO);
        dup2(nowhere, STDERR_FILENO);
        execvp(argv[first], argv + first);
        _exit(127);
    }
    double ms = -1;
    bool ended = false;
    while (Clock::now() - start < std::chrono::seconds(10)) {
        if (waitpid(child, nullptr, WNOHANG) == child) {
            ended = true;
            break;
        }
        if (shown(display, caption)) {
            ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (!ended) {
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
    }
    XCloseDisplay(display);
    std::printf("%.0f\n", ms);
    return 0;
}
