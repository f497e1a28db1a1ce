#include "platform/qt/qt_screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace glint::platform::qt {

int QtScreen::widthPixels() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().width() : 0;
}

int QtScreen::heightPixels() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->geometry().height() : 0;
}

}  // namespace glint::platform::qt
