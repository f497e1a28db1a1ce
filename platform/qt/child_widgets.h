#pragma once

#include <QObject>
#include <functional>
#include <vector>

#include "platform/form.h"

class QWidget;

namespace glint::platform {
class CommandButton;
class TextBox;
}  // namespace glint::platform

namespace glint::platform::qt {

// The controls of a form that are real widgets on its window: a push button for each
// CommandButton and a one-line editor for each TextBox, made in the form's z-order, which is also
// their tab order. A button's click reaches its handler through the window's deliver, like all
// other input; what the user types is written into the text box's text at every edit.
//
// No button is a default or cancel button: Enter and Space click the button that has the focus,
// and Escape reaches no button.
class ChildWidgets : public QObject {
public:
    // Calls a handler for input; the window's own deliver, which catches its failures.
    using Deliver = std::function<void(const std::function<void()>&)>;

    ChildWidgets(Form& form, QWidget& window, Deliver deliver);

    bool empty() const { return m_children.empty(); }

    // Brings every widget in line with its control: place, size, visibility, caption and text.
    void update();

    // The widget of the control, or null when the control is drawn, not a widget.
    QWidget* widgetOf(const Control* control) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Child {
        Control* control;
        QWidget* widget;
    };

    void addButton(CommandButton& button, QWidget& window);
    void addEditor(TextBox& box, QWidget& window);
    const Child* childOf(const QObject* widget) const;

    Form& m_form;
    Deliver m_deliver;
    std::vector<Child> m_children;
};

}  // namespace glint::platform::qt
