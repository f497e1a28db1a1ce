#include "platform/qt/qt_screen.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/qt/xscreensaver_window.h"

namespace glint::platform::qt {

int QtScreen::widthPixels() const {
    if (const QSize embedded = embeddedWindowSize(); embedded.isValid()) return embedded.width();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 0;
    return qRound(screen->geometry().width() * logicPixelRatio(m_use, screen));
}

int QtScreen::heightPixels() const {
    if (const QSize embedded = embeddedWindowSize(); embedded.isValid()) return embedded.height();
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return 0;
    return qRound(screen->geometry().height() * logicPixelRatio(m_use, screen));
}

}  // namespace glint::platform::qt
