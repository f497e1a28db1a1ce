#pragma once

#include <QCursor>
#include <QPoint>
#include <QWidget>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/control_tracker.h"
#include "platform/form.h"
#include "platform/input_router.h"
#include "platform/qt/child_widgets.h"
#include "platform/qt/control_painter.h"
#include "platform/qt/surface_mirror.h"

namespace glint::platform::qt {

// The real window of a Form: shows its surface and controls, hands the user's mouse and keys to
// its handlers, and after each handler follows what the logic changed: the window's position,
// the mouse capture, the minimised state, the pointer's shape and the widgets of its buttons and
// text boxes. It never lets a failure of a handler pass back into Qt.
class FormWindow : public QWidget {
public:
    struct Hooks {
        // After a handler called for input has returned and the window has followed the form.
        std::function<void()> handled;
        // A handler called for input has failed with this message.
        std::function<void(const std::string& message)> failed;
    };

    // A window owned by another one stays in front of it. One pixel of the form is one of the
    // window's own (Qt's logical pixels): on a scaled screen the window is scaled as a whole.
    FormWindow(Form& form, Hooks hooks, QWidget* owner = nullptr);

    // Shows the window as the form's settings ask: without frame when borderless, otherwise with
    // a normal title bar; covering the whole primary screen, in front and with the keyboard when
    // maximised, otherwise at the form's place with its fixed size.
    void showForm();
    // Shows the window as a modal dialog: in front of every other window of the program, which
    // take no input meanwhile, with a title bar that carries only the caption (no close,
    // minimise or maximise button), at the form's place with its fixed size.
    void showModal();

    // Brings what was drawn and what changed in the controls since the last call to the screen:
    // painted before returning when immediately, otherwise at Qt's next paint.
    void present(bool immediately);

    // Follows what the logic changed since the last call, then presents. Runs after every handler
    // called for input; call it before anything that waits for the user.
    void followForm();

    // Lets go of the mouse until the window next follows its form, which takes it again if the
    // form still holds the capture: a modal window opened meanwhile needs the mouse.
    void yieldMouse();

    // The pointer shown over controls whose mouse pointer is the hand.
    void setHandCursor(const QCursor& cursor) { m_hand = cursor; }

    Form& form() const { return m_form; }
    // The widget of a button or text box control; null for a control that is drawn.
    QWidget* widgetOf(const Control* control) const { return m_children.widgetOf(control); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Local files and folders dragged from a file manager, for a form that takes drops.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    // Without widgets inside, Tab and Backtab are keys like any other, not a move of the focus.
    bool focusNextPrevChild(bool next) override;

private:
    // Shows the window at the form's place with its fixed size.
    void showAtForm();
    void finishShowing();
    void placeAtForm();
    void mouse(const QMouseEvent& event, RawMouse::Kind kind);
    void showPointerFor(const QPoint& at);
    void deliver(const std::function<void()>& handler);

    Form& m_form;
    InputRouter m_router;
    Hooks m_hooks;
    SurfaceMirror m_mirror;
    ControlTracker m_tracker{[](const Control& control) {
        const QRect drawn = ControlPainter::extentOf(control);
        return Rect{drawn.x(), drawn.y(), drawn.width(), drawn.height()};
    }};
    ControlPainter m_painter;
    ChildWidgets m_children;
    QCursor m_hand{Qt::PointingHandCursor};
    bool m_modal = false;
    // Whether the client area starts where the form says the window is: a borderless window
    // that the logic places and moves itself.
    bool m_clientAtForm = false;
    // Where the window was last put for the form, in screen pixels (the frame's corner).
    QPoint m_placed;
    // The places asked of the window system that it has not yet reported the window at.
    std::deque<QPoint> m_requested;
    bool m_moving = false;
    QPoint m_pointer;
    bool m_grabbing = false;
    bool m_handShown = false;
    // The local files of the drag over the window, as it entered.
    std::vector<std::string> m_draggedPaths;
};

}  // namespace glint::platform::qt
