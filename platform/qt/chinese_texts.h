#pragma once

// The programs speak Chinese: a Chinese desktop font for every window, and Qt's own dialogs and
// message boxes in Chinese where Qt's translations are installed. Lives as long as the program.

#include <QTranslator>

namespace glint::platform::qt {

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
