#include "platform/qt/chinese_texts.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QLocale>

#include "language/translate.h"

namespace glint::platform::qt {
namespace {

// A Chinese desktop's font, whose Latin letters are narrow enough for the dialogs' layout (">>>"
// fits between two buttons). The first of these installed, at 9 points.
constexpr const char* kChineseFonts[] = {"WenQuanYi Zen Hei", "Noto Sans CJK SC",
                                         "Source Han Sans SC", "Microsoft YaHei", "SimSun"};
constexpr double kFontPoints = 9;

}  // namespace

QFont programFont() {
    const QStringList installed = QFontDatabase::families();
    for (const char* family : kChineseFonts) {
        if (installed.contains(QString::fromUtf8(family))) {
            QFont font(QString::fromUtf8(family));
            font.setPointSizeF(kFontPoints);
            return font;
        }
    }
    return QApplication::font();
}


ChineseTexts::ChineseTexts() {
    QApplication::setFont(programFont());
    // Qt's own texts (file dialog, standard buttons) are English as written.
    if (language::inChinese() &&
        m_qtTexts.load(QLocale(QLocale::Chinese, QLocale::China), "qtbase", "_",
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&m_qtTexts);
    }
}

}  // namespace glint::platform::qt
