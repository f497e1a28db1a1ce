#include "platform/x11/x11_runtime.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <exception>
#include <iostream>
#include <thread>

#include "package/text_encoding.h"
#include "platform/x11/x11_dialogs.h"

namespace glint::platform::x11 {
namespace {

// XScreenSaver ends a display mode with SIGTERM; whatever runs, the music stops with the process.
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

X11Runtime::X11Runtime(X11Connection& connection, TimerScheduler& timers, X11Cursor& cursor,
                       const XftFontSet& font, Window embedded)
    : m_connection(connection),
      m_timers(timers),
      m_cursor(cursor),
      m_font(font),
      m_embedded(embedded),
      m_lastPacedPass(SteadyClock::now()) {
    if (m_embedded != None) endAtTerminationSignal();
}

X11Runtime::~X11Runtime() {
    m_covers.reset();
    m_window.reset();
}

void X11Runtime::start(Form& form) {
    m_title = form.title();
    try {
        if (form.onLoad) form.onLoad();
        m_window = std::make_unique<FormWindow>(
            m_connection, form,
            FormWindow::Hooks{[this](const std::string& message) { fail(message); },
                              [this] { m_closed = true; }},
            m_font, m_cursor, m_embedded);
        m_window->show();
        if (form.maximized() && m_embedded == None) {
            m_covers = std::make_unique<MonitorCovers>(m_connection, *m_window, m_cursor);
        }
    } catch (const std::exception& failure) {
        fail(failure.what());
    } catch (...) {
        fail("Unknown failure");
    }
    m_timers.start();
}

int X11Runtime::run(Form& form) {
    start(form);
    while (!m_closed) {
        dispatchPending();
        if (m_closed) break;
        if (m_timers.nextDueMs() <= m_timers.nowMs()) driveTimers();
        present();
        waitForWork();
    }
    m_covers.reset();
    m_window.reset();
    return 0;
}

void X11Runtime::present() {
    if (m_window) m_window->present();
}

void X11Runtime::dispatchPending() {
    Display* display = m_connection.display();
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (m_covers && m_covers->handle(event)) continue;
        if (m_window) m_window->handle(event);
    }
}

void X11Runtime::driveTimers() {
    try {
        m_timers.runDue();
    } catch (const std::exception& failure) {
        fail(failure.what());
    } catch (...) {
        fail("Unknown failure");
    }
}

// Sleeps until the server sends something or the next tick falls due: nothing runs while a
// picture is held between ticks.
void X11Runtime::waitForWork() {
    Display* display = m_connection.display();
    XFlush(display);
    if (XEventsQueued(display, QueuedAlready) > 0) return;
    const std::int64_t next = m_timers.nextDueMs();
    int timeout = -1;
    if (next != TimerScheduler::kNever) {
        // Never more than one timer interval away; a tick is never early.
        timeout = static_cast<int>(std::clamp<std::int64_t>(next - m_timers.nowMs(), 0, 60000));
        if (timeout == 0) return;
    }
    pollfd connection{m_connection.fd(), POLLIN, 0};
    const int ready = poll(&connection, 1, timeout);
    // A connection that broke is found by the next read, which ends the program as Xlib does.
    if (ready < 0 && errno != EINTR) fail("Waiting for the X server failed");
}

void X11Runtime::doEvents() {
    present();
    dispatchPending();
    m_timers.runDue();
}

void X11Runtime::pacedEventPass() {
    std::this_thread::sleep_until(m_lastPacedPass + std::chrono::milliseconds(kSweepPassMs));
    doEvents();
    m_lastPacedPass = SteadyClock::now();
}

void X11Runtime::hold() {
    // On screen first, so the finished picture is what the hold shows.
    present();
    XSync(m_connection.display(), False);
    std::this_thread::sleep_for(std::chrono::milliseconds(kHoldMs));
}

void X11Runtime::endProgram() {
    // The process ends where it stands, inside whatever handlers run: there is nothing to save,
    // and the server takes the windows and the pointer's look away with the connection.
    XFlush(m_connection.display());
    std::fflush(nullptr);
    _exit(0);
}

void X11Runtime::fail(const std::string& message) {
    // A failure while reporting one: the first report stands.
    if (m_failing) _exit(1);
    m_failing = true;
    m_covers.reset();
    if (m_window) m_window->stop();
    std::cerr << m_title << ": " << message << std::endl;
    // Inside XScreenSaver the daemon holds the keyboard and the pointer and covers every window:
    // nobody could answer a message box there.
    if (m_embedded == None) {
        messageBox(package::displayText(m_title), package::displayText(message),
                   MessageKind::Error);
    }
    std::fflush(nullptr);
    _exit(1);
}

}  // namespace glint::platform::x11
