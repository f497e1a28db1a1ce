#include "platform/qt/qt_screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace glint::platform::qt {

int QtScreen::widthPixels() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 0;
    return qRound(screen->geometry().width() * logicPixelRatio(m_use, screen));
}

int QtScreen::heightPixels() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 0;
    return qRound(screen->geometry().height() * logicPixelRatio(m_use, screen));
}

}  // namespace glint::platform::qt
