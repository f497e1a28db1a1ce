#include "platform/qt/qt_cursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace glint::platform::qt {

void QtCursor::showCursor(bool show) {
    if (show != m_hidden) return;
    if (show) {
        QGuiApplication::restoreOverrideCursor();
    } else {
        QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
    }
    m_hidden = !show;
}

}  // namespace glint::platform::qt
