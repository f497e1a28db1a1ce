#include "platform/qt/child_widgets.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "platform/command_button.h"
#include "platform/qt/qt_conversions.h"
#include "platform/text_box.h"

namespace glint::platform::qt {
namespace {

// The font asked for, or, when its family is not installed, the default font at the size asked
// for: its fallback fonts carry the Chinese characters.
QFont fontFor(const FontSpec& spec) {
    QFont font = QGuiApplication::font();
    if (!spec.family.empty()) {
        const QString family = QString::fromStdString(spec.family);
        if (QFontDatabase::families().contains(family, Qt::CaseInsensitive)) {
            font.setFamily(family);
        }
    }
    if (spec.pointSize > 0) font.setPointSizeF(spec.pointSize);
    return font;
}

void place(QWidget& widget, const Control& control) {
    const QRect rect = toQRect(control.pixelRect());
    if (widget.geometry() != rect) widget.setGeometry(rect);
    if (widget.isVisibleTo(widget.parentWidget()) != control.visible()) {
        widget.setVisible(control.visible());
    }
}

}  // namespace

ChildWidgets::ChildWidgets(Form& form, QWidget& window, Deliver deliver)
    : m_form(form), m_deliver(std::move(deliver)) {
    for (Control* control : form.controls()) {
        if (auto* button = dynamic_cast<CommandButton*>(control)) {
            addButton(*button, window);
        } else if (auto* box = dynamic_cast<TextBox*>(control)) {
            addEditor(*box, window);
        }
    }
    update();
}

void ChildWidgets::addButton(CommandButton& button, QWidget& window) {
    auto* widget = new QPushButton(&window);
    widget->setAutoDefault(false);
    widget->setDefault(false);
    widget->installEventFilter(this);
    QObject::connect(widget, &QPushButton::clicked, this, [this, &button] {
        m_deliver([&button] {
            if (button.onClick) button.onClick();
        });
    });
    m_children.push_back({&button, widget});
}

void ChildWidgets::addEditor(TextBox& box, QWidget& window) {
    auto* widget = new QLineEdit(&window);
    widget->setFont(fontFor(box.font()));
    widget->installEventFilter(this);
    QObject::connect(widget, &QLineEdit::textEdited, this,
                     [&box](const QString& text) { box.setText(text.toStdString()); });
    m_children.push_back({&box, widget});
}

void ChildWidgets::update() {
    for (const Child& child : m_children) {
        place(*child.widget, *child.control);
        if (const auto* button = dynamic_cast<const CommandButton*>(child.control)) {
            auto* widget = static_cast<QPushButton*>(child.widget);
            const QString caption = displayString(button->caption());
            if (widget->text() != caption) widget->setText(caption);
        } else if (const auto* box = dynamic_cast<const TextBox*>(child.control)) {
            auto* widget = static_cast<QLineEdit*>(child.widget);
            const QString text = displayString(box->text());
            if (widget->text() != text) widget->setText(text);
        }
    }
}

QWidget* ChildWidgets::widgetOf(const Control* control) const {
    for (const Child& child : m_children) {
        if (child.control == control) return child.widget;
    }
    return nullptr;
}

const ChildWidgets::Child* ChildWidgets::childOf(const QObject* widget) const {
    for (const Child& child : m_children) {
        if (child.widget == widget) return &child;
    }
    return nullptr;
}

bool ChildWidgets::eventFilter(QObject* watched, QEvent* event) {
    const Child* child = childOf(watched);
    if (!child) return false;
    if (event->type() == QEvent::FocusIn) {
        m_form.setFocusedControl(child->control);
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* button = qobject_cast<QPushButton*>(child->widget);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (button && enter && !key->isAutoRepeat()) {
            button->click();
            return true;
        }
    }
    return false;
}

}  // namespace glint::platform::qt
