#include "platform/qt/form_window.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <exception>

#include "platform/qt/qt_conversions.h"
#include "platform/qt/qt_input.h"

namespace glint::platform::qt {
namespace {

constexpr std::size_t kMaxRequests = 64;

// The local files and folders among what is dragged, in its order, as the system names them.
std::vector<std::string> localPaths(const QMimeData* dragged) {
    std::vector<std::string> paths;
    if (!dragged || !dragged->hasUrls()) return paths;
    for (const QUrl& url : dragged->urls()) {
        if (url.isLocalFile()) paths.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
    }
    return paths;
}

}  // namespace

FormWindow::FormWindow(Form& form, Hooks hooks, QWidget* owner)
    : QWidget(owner, Qt::Window),
      m_form(form),
      m_router(form),
      m_hooks(std::move(hooks)),
      m_children(form, *this, [this](const std::function<void()>& handler) { deliver(handler); }) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAcceptDrops(static_cast<bool>(form.onDropFiles));
    // What Qt draws around the buttons and text boxes is the form's colour.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, toQColor(form.backColor()));
    setPalette(colours);
}

void FormWindow::showForm() {
    setWindowTitle(displayString(m_form.title()));
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
        m_clientAtForm = m_form.borderless();
        showAtForm();
    }
    finishShowing();
    if (m_form.maximized()) grabKeyboard();
}

void FormWindow::showModal() {
    m_modal = true;
    setWindowTitle(displayString(m_form.title()));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowModality(Qt::ApplicationModal);
    showAtForm();
    finishShowing();
}

void FormWindow::showAtForm() {
    const Rect& r = m_form.pixelRect();
    setFixedSize(r.width, r.height);
    m_placed = {r.x, r.y};
    move(m_placed);
    show();
}

void FormWindow::finishShowing() {
    m_form.setClientSize(width(), height());
    raise();
    activateWindow();
    if (QWidget* focus = widgetOf(m_form.focusedControl())) {
        focus->setFocus(Qt::ActiveWindowFocusReason);
    } else {
        setFocus(Qt::ActiveWindowFocusReason);
    }
    m_pointer = mapFromGlobal(QCursor::pos());
    followForm();
}

void FormWindow::present(bool immediately) {
    QRegion region = m_mirror.update(m_form.surface());
    for (const Rect& changed : m_tracker.changes(m_form)) region += toQRect(changed);
    if (region.isEmpty()) return;
    if (immediately) {
        repaint(region);
    } else {
        update(region);
    }
}

void FormWindow::followForm() {
    placeAtForm();
    const bool capture = m_form.mouseCapture() != nullptr;
    if (capture != m_grabbing && isVisible()) {
        // Moves outside the window reach a grabbing widget only with tracking on, which it is.
        if (capture) {
            grabMouse();
        } else {
            releaseMouse();
        }
        m_grabbing = capture;
    }
    if (m_form.minimized() && isVisible() && !isMinimized()) showMinimized();
    m_children.update();
    showPointerFor(m_pointer);
    present(false);
}

void FormWindow::yieldMouse() {
    if (!m_grabbing) return;
    releaseMouse();
    m_grabbing = false;
}

void FormWindow::placeAtForm() {
    if (m_form.maximized() || !isVisible()) return;
    const QPoint wanted(m_form.pixelRect().x, m_form.pixelRect().y);
    if (wanted == m_placed) return;
    m_placed = wanted;
    // A window system that never reports some of them must not make the list grow for ever.
    if (m_requested.size() >= kMaxRequests) m_requested.pop_front();
    m_requested.push_back(wanted);
    m_moving = true;
    move(wanted);
    m_moving = false;
}

void FormWindow::showPointerFor(const QPoint& at) {
    const bool hand = m_router.targetAt(at.x(), at.y()).mousePointer() == MousePointer::Hand;
    if (hand == m_handShown) return;
    if (hand) {
        setCursor(m_hand);
    } else {
        unsetCursor();
    }
    m_handShown = hand;
}

void FormWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QImage& frame = m_mirror.frame();
    const QRegion region = event->region();
    if (devicePixelRatioF() != 1.0) {
        // A window scaled as a whole: its pixels are smoothed over, seamlessly across the parts
        // painted at different times.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setClipRegion(region);
        painter.drawImage(QPoint(0, 0), frame);
        painter.setClipping(false);
    } else {
        for (const QRect& rect : region) painter.drawImage(rect.topLeft(), frame, rect);
    }
    mendAlpha(painter, region & frame.rect());
    // Beyond the surface (a window larger than its form thinks) shows the window's colour.
    for (const QRect& rest : region.subtracted(frame.rect())) {
        painter.fillRect(rest, toQColor(m_form.backColor()));
    }
    m_painter.paint(painter, m_form, region);
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (width() != m_form.clientWidth() || height() != m_form.clientHeight()) {
        m_form.setClientSize(width(), height());
        present(false);
    }
}

// A window system reports the window's place after each move, late: while the logic drags the
// window, the places reported are answers to its own requests, some already overtaken. A place
// that was never asked for is the window system's own doing (the user moved the window, or a
// window manager kept it on the screen): from then on the form's position says so.
void FormWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // Qt reports a move it was asked for at once, before the window system has answered.
    if (m_form.maximized() || !isVisible() || m_moving) return;
    const auto answered = std::find(m_requested.begin(), m_requested.end(), pos());
    if (answered != m_requested.end()) {
        m_requested.erase(m_requested.begin(), answered + 1);
        return;
    }
    m_requested.clear();
    if (pos() == m_placed) return;
    m_placed = pos();
    m_form.setLeft(pixelsToTwips(m_placed.x()));
    m_form.setTop(pixelsToTwips(m_placed.y()));
}

void FormWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    const auto* change = static_cast<QWindowStateChangeEvent*>(event);
    if ((change->oldState() & Qt::WindowMinimized) && !isMinimized() && m_form.minimized()) {
        m_form.setMinimized(false);
    }
}

// A dialog has no close button: only its own buttons close it.
void FormWindow::closeEvent(QCloseEvent* event) {
    if (m_modal && !m_form.closed()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
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
    followForm();
    if (m_hooks.handled) m_hooks.handled();
}

void FormWindow::mouse(const QMouseEvent& event, RawMouse::Kind kind) {
    RawMouse raw = toRawMouse(event, kind);
    if (m_clientAtForm) {
        // Measured from where the logic put the window, not from where the window system says
        // it was when the pointer moved: during a drag that lags behind the logic's moves, and
        // each lagging position would move the window again.
        raw.x = static_cast<int>(std::floor(event.globalPosition().x())) - m_placed.x();
        raw.y = static_cast<int>(std::floor(event.globalPosition().y())) - m_placed.y();
    }
    m_pointer = {raw.x, raw.y};
    deliver([&] { m_router.mouse(raw); });
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    mouse(*event, RawMouse::Kind::Press);
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
    mouse(*event, RawMouse::Kind::Release);
}

void FormWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    mouse(*event, RawMouse::Kind::DoubleClick);
}

void FormWindow::mouseMoveEvent(QMouseEvent* event) {
    mouse(*event, RawMouse::Kind::Move);
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    const KeyEvent key = toKeyEvent(*event);
    deliver([&] { m_router.key(key); });
}

void FormWindow::dragEnterEvent(QDragEnterEvent* event) {
    m_draggedPaths = localPaths(event->mimeData());
    if (!m_form.inputBlocked() && !m_draggedPaths.empty()) event->acceptProposedAction();
}

void FormWindow::dragMoveEvent(QDragMoveEvent* event) {
    if (!m_form.inputBlocked()) event->acceptProposedAction();
}

void FormWindow::dropEvent(QDropEvent* event) {
    std::vector<std::string> paths = localPaths(event->mimeData());
    // The same drag's data, read when it entered: a source that has let go of its data by the
    // time of the drop (Qt's own, when the drag's time stamps are not the server's) gives none.
    if (paths.empty()) paths = std::move(m_draggedPaths);
    if (m_form.inputBlocked() || paths.empty()) return;
    event->acceptProposedAction();
    // Handled once the drop is over, so the file manager that sent it goes on meanwhile.
    QTimer::singleShot(0, this, [this, paths = std::move(paths)] {
        if (m_form.onDropFiles && !m_form.inputBlocked()) {
            deliver([&] { m_form.onDropFiles(paths); });
        }
    });
}

bool FormWindow::focusNextPrevChild(bool next) {
    return m_children.empty() ? false : QWidget::focusNextPrevChild(next);
}

}  // namespace glint::platform::qt
