#pragma once

#include <QWidget>
#include <functional>
#include <string>

#include "platform/form.h"
#include "platform/input_router.h"
#include "platform/qt/control_painter.h"
#include "platform/qt/control_tracker.h"
#include "platform/qt/surface_mirror.h"

namespace glint::platform::qt {

// The real window of a Form: shows its surface and controls, and hands the user's mouse and keys
// to its handlers. It never lets a failure of a handler pass back into Qt.
class FormWindow : public QWidget {
public:
    struct Hooks {
        // After a handler called for input has returned.
        std::function<void()> handled;
        // A handler called for input has failed with this message.
        std::function<void(const std::string& message)> failed;
    };

    FormWindow(Form& form, Hooks hooks);

    // Shows the window as the form's settings ask: without frame when borderless; covering the
    // whole primary screen, in front and with the keyboard when maximised.
    void showForm();

    // Brings what was drawn and what changed in the controls since the last call to the screen:
    // painted before returning when immediately, otherwise at Qt's next paint.
    void present(bool immediately);

    Form& form() const { return m_form; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Tab and Backtab are keys like any other here, not a move of the focus.
    bool focusNextPrevChild(bool next) override;

private:
    void deliver(const std::function<void()>& handler);

    Form& m_form;
    InputRouter m_router;
    Hooks m_hooks;
    SurfaceMirror m_mirror;
    ControlTracker m_tracker;
    ControlPainter m_painter;
};

}  // namespace glint::platform::qt
