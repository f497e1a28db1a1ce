#include "platform/qt/screen_use.h"

#include <QScreen>

namespace glint::platform::qt {

double logicPixelRatio(ScreenUse use, const QScreen* screen) {
    if (use == ScreenUse::Scaled || !screen) return 1.0;
    return screen->devicePixelRatio();
}

}  // namespace glint::platform::qt
