#include "platform/qt/screen_use.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>

namespace glint::platform::qt {

double logicPixelRatio(ScreenUse use, const QScreen* screen) {
    if (use == ScreenUse::Scaled || !screen) return 1.0;
    return screen->devicePixelRatio();
}

double logicPixelRatio(ScreenUse use) {
    return logicPixelRatio(use, QGuiApplication::primaryScreen());
}

QFont logicFont(ScreenUse use) {
    QFont font = QGuiApplication::font();
    const double ratio = logicPixelRatio(use);
    if (ratio == 1.0) return font;
    if (font.pixelSize() > 0) {
        font.setPixelSize(qRound(font.pixelSize() * ratio));
    } else {
        font.setPointSizeF(font.pointSizeF() * ratio);
    }
    return font;
}

}  // namespace glint::platform::qt
