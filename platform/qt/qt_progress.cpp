#include "platform/qt/qt_progress.h"

#include "platform/qt/qt_conversions.h"

namespace glint::platform::qt {
namespace {

constexpr int kMinimumWidth = 460;

}  // namespace

QtProgress::QtProgress(QWidget* owner, const std::string& title, const std::string& cancelButton)
    : m_dialog(owner) {
    m_dialog.setWindowTitle(displayString(title));
    m_dialog.setCancelButtonText(displayString(cancelButton));
    m_dialog.setWindowModality(Qt::WindowModal);
    // Shown now and kept until the task is done: the task decides when it is worth showing.
    m_dialog.setMinimumDuration(0);
    m_dialog.setAutoClose(false);
    m_dialog.setAutoReset(false);
    m_dialog.setMinimumWidth(kMinimumWidth);
    m_dialog.show();
}

void QtProgress::update(const std::string& text, int done, int total) {
    m_dialog.setLabelText(displayString(text));
    m_dialog.setMaximum(total > 0 ? total : 0);
    m_dialog.setValue(total > 0 ? done : 0);
}

}  // namespace glint::platform::qt
