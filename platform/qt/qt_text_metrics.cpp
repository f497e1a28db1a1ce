#include "platform/qt/qt_text_metrics.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QString>

namespace glint::platform::qt {

TextSize QtTextMetrics::measure(const std::string& utf8Text) const {
    if (utf8Text.empty()) return {0, 0};
    const QFontMetrics metrics(QGuiApplication::font());
    return {metrics.horizontalAdvance(QString::fromStdString(utf8Text)), metrics.height()};
}

}  // namespace glint::platform::qt
