#pragma once

// A Chinese desktop font for every window (file names may be Chinese in either language), and,
// where the program speaks Chinese, Qt's own dialogs and message boxes in Chinese where Qt's
// translations are installed. Lives as long as the program.

#include <QFont>
#include <QTranslator>

namespace glint::platform::qt {

// The font every window's texts are written in: the first installed of the Chinese desktop fonts
// whose Latin letters are narrow enough for the dialogs' layouts, else Qt's own.
QFont programFont();

class ChineseTexts {
public:
    // Call after the QApplication is made.
    ChineseTexts();
    ChineseTexts(const ChineseTexts&) = delete;
    ChineseTexts& operator=(const ChineseTexts&) = delete;

private:
    QTranslator m_qtTexts;
};

}  // namespace glint::platform::qt
