#include "platform/qt/qt_screen.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/qt/xscreensaver_window.h"

namespace glint::platform::qt {

int QtScreen::widthPixels() const {
    if (const QSize embedded = embeddedWindowSize(); embedded.isValid()) return embedded.width();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

int QtScreen::heightPixels() const {
    if (const QSize embedded = embeddedWindowSize(); embedded.isValid()) return embedded.height();
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}

}  // namespace glint::platform::qt
