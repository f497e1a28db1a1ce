#include "platform/qt/xscreensaver_window.h"

#include <unistd.h>
#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <csignal>
#include <cstdlib>

#include "platform/posix/xscreensaver_window_id.h"

namespace glint::platform::qt {
namespace {

// How often the daemon's window is asked for its size, to follow a change of the monitors.
constexpr int kFollowMs = 500;

// Whatever runs, the music stops with the process.
extern "C" void endAtTermination(int) {
    _exit(0);
}

void endAtTerminationSignal() {
    struct sigaction action {};
    action.sa_handler = endAtTermination;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
}

}  // namespace

WId parseWindowId(const char* text) {
    return static_cast<WId>(posix::parseWindowId(text));
}

WId embeddedWindowFromEnvironment() {
    return static_cast<WId>(posix::embeddedWindowFromEnvironment());
}

QSize embeddedWindowSize() {
    const WId id = embeddedWindowFromEnvironment();
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (id == 0 || !x11) return {};
    xcb_connection_t* connection = x11->connection();
    xcb_get_geometry_reply_t* reply = xcb_get_geometry_reply(
        connection, xcb_get_geometry(connection, static_cast<xcb_drawable_t>(id)), nullptr);
    if (!reply) return {};
    const QSize size(reply->width, reply->height);
    std::free(reply);
    return size;
}

bool showInEmbeddedWindow(QWidget& window, double ratio,
                          const std::function<void(QSize)>& resized) {
    const WId id = embeddedWindowFromEnvironment();
    const QSize size = embeddedWindowSize();
    if (id == 0 || !size.isValid()) return false;
    endAtTerminationSignal();
    // The daemon's window lives as long as the show.
    QWindow* daemon = QWindow::fromWinId(id);
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    window.winId();
    window.windowHandle()->setParent(daemon);
    // The window's own pixels cover the daemon's device pixels, the last one too.
    auto own = [ratio](QSize device) {
        return QSize(static_cast<int>(std::ceil(device.width() / ratio)),
                     static_cast<int>(std::ceil(device.height() / ratio)));
    };
    auto follow = [&window, resized, own](QSize now) {
        if (!now.isValid() || own(now) == window.size()) return;
        window.setGeometry(QRect(QPoint(0, 0), own(now)));
        resized(now);
    };
    window.setGeometry(QRect(QPoint(0, 0), own(size)));
    resized(size);
    window.show();
    auto* timer = new QTimer(&window);
    QObject::connect(timer, &QTimer::timeout, &window, [follow] { follow(embeddedWindowSize()); });
    timer->start(kFollowMs);
    return true;
}

}  // namespace glint::platform::qt
