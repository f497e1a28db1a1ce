#include "platform/qt/form_window.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <exception>

#include "platform/qt/qt_input.h"

namespace glint::platform::qt {

FormWindow::FormWindow(Form& form, Hooks hooks)
    : m_form(form), m_router(form), m_hooks(std::move(hooks)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void FormWindow::showForm() {
    setWindowTitle(QString::fromStdString(m_form.title()));
    Qt::WindowFlags flags = Qt::Window;
    if (m_form.borderless()) flags |= Qt::FramelessWindowHint;
    setWindowFlags(flags);
    if (m_form.maximized()) {
        // Without a window manager, full-screen alone leaves the window at its default size.
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        m_form.setPixelRect({screen.x(), screen.y(), screen.width(), screen.height()});
        setGeometry(screen);
        showFullScreen();
    } else {
        const Rect& r = m_form.pixelRect();
        setGeometry(r.x, r.y, r.width, r.height);
        show();
    }
    m_form.setClientSize(width(), height());
    raise();
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
    if (m_form.maximized()) grabKeyboard();
    present(false);
}

void FormWindow::present(bool immediately) {
    QRegion region = m_mirror.update(m_form.surface());
    region += m_tracker.changes(m_form);
    if (region.isEmpty()) return;
    if (immediately) {
        repaint(region);
    } else {
        update(region);
    }
}

void FormWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage& frame = m_mirror.frame();
    for (const QRect& rect : event->region()) {
        painter.drawImage(rect.topLeft(), frame, rect);
        // Beyond the surface (a window larger than its form thinks) shows the window's colour.
        const QRegion outside = QRegion(rect).subtracted(frame.rect());
        for (const QRect& rest : outside) {
            painter.fillRect(rest, QColor::fromRgb(m_form.backColor() | 0xFF000000u));
        }
    }
    m_painter.paint(painter, m_form, event->region());
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (width() != m_form.clientWidth() || height() != m_form.clientHeight()) {
        m_form.setClientSize(width(), height());
        present(false);
    }
}

void FormWindow::deliver(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& failure) {
        m_hooks.failed(failure.what());
        return;
    } catch (...) {
        m_hooks.failed("Unknown failure");
        return;
    }
    m_hooks.handled();
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    const RawMouse raw = toRawMouse(*event, RawMouse::Kind::Press);
    deliver([&] { m_router.mouse(raw); });
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
    const RawMouse raw = toRawMouse(*event, RawMouse::Kind::Release);
    deliver([&] { m_router.mouse(raw); });
}

void FormWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    const RawMouse raw = toRawMouse(*event, RawMouse::Kind::DoubleClick);
    deliver([&] { m_router.mouse(raw); });
}

void FormWindow::mouseMoveEvent(QMouseEvent* event) {
    const RawMouse raw = toRawMouse(*event, RawMouse::Kind::Move);
    deliver([&] { m_router.mouse(raw); });
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    const KeyEvent key = toKeyEvent(*event);
    deliver([&] { m_router.key(key); });
}

bool FormWindow::focusNextPrevChild(bool) {
    return false;
}

}  // namespace glint::platform::qt
