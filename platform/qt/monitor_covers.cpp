#include "platform/qt/monitor_covers.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <algorithm>

#include "platform/qt/form_window.h"
#include "platform/qt/qt_input.h"

namespace glint::platform::qt {

CoverWindow::CoverWindow(FormWindow& show, QScreen& screen)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                           Qt::WindowDoesNotAcceptFocus),
      m_show(show),
      m_screen(screen) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    setPalette(colours);
    setCursor(Qt::BlankCursor);
    setMouseTracking(true);
    setWindowTitle(show.windowTitle());
    // Without a window manager, full-screen alone leaves the window at its default size.
    setScreen(&screen);
    setGeometry(screen.geometry());
    showFullScreen();
    connect(&screen, &QScreen::geometryChanged, this,
            [this](const QRect& area) { setGeometry(area); });
}

void CoverWindow::mouse(const QMouseEvent& event, RawMouse::Kind kind) {
    RawMouse raw = toRawMouse(event, kind);
    // Where the show's window would have it: one space for every monitor, so a move from one to
    // another is a move like any other.
    const QPoint at = m_show.formPointAt(event.globalPosition());
    raw.x = at.x();
    raw.y = at.y();
    m_show.coverMouse(raw);
}

void CoverWindow::mousePressEvent(QMouseEvent* event) {
    mouse(*event, RawMouse::Kind::Press);
}

void CoverWindow::mouseReleaseEvent(QMouseEvent* event) {
    mouse(*event, RawMouse::Kind::Release);
}

void CoverWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    mouse(*event, RawMouse::Kind::DoubleClick);
}

void CoverWindow::mouseMoveEvent(QMouseEvent* event) {
    mouse(*event, RawMouse::Kind::Move);
}

void CoverWindow::keyPressEvent(QKeyEvent* event) {
    m_show.coverKey(toKeyEvent(*event));
}

MonitorCovers::MonitorCovers(FormWindow& show) : m_show(show) {
    auto* app = qGuiApp;
    connect(app, &QGuiApplication::screenAdded, this, [this] { coverScreens(nullptr); });
    connect(app, &QGuiApplication::screenRemoved, this,
            [this](QScreen* screen) { coverScreens(screen); });
    connect(app, &QGuiApplication::primaryScreenChanged, this, [this] { coverScreens(nullptr); });
    coverScreens(nullptr);
}

MonitorCovers::~MonitorCovers() = default;

// The show stays on the monitor it was started on; every other one present gets a cover.
void MonitorCovers::coverScreens(const QScreen* leaving) {
    std::erase_if(m_covers, [leaving](const std::unique_ptr<CoverWindow>& cover) {
        return &cover->coveredScreen() == leaving ||
               !QGuiApplication::screens().contains(&cover->coveredScreen());
    });
    const QPoint shown = m_show.geometry().center();
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen == leaving || screen->geometry().contains(shown)) continue;
        const bool covered = std::any_of(m_covers.begin(), m_covers.end(), [screen](auto& cover) {
            return &cover->coveredScreen() == screen;
        });
        if (!covered) m_covers.push_back(std::make_unique<CoverWindow>(m_show, *screen));
    }
    // The show keeps the keyboard.
    m_show.activateWindow();
}

}  // namespace glint::platform::qt
