#pragma once

// pb.htm, the help page the authoring program opens from its question-mark button: a single
// self-contained UTF-8 file (inline style, no pictures or scripts from elsewhere), because it is
// shipped beside the program and opened from disk in whatever browser the person has. pb_en.htm
// beside it is the same page in English, naming the buttons as the English window shows them.

#include <QByteArray>

namespace glint::assets {

class HelpPage {
public:
    QByteArray html() const;
    QByteArray englishHtml() const;

private:
    // The page's style, with `bodyFont` as the body's font shorthand ("15px/1.75 ...").
    QByteArray style(const QByteArray& bodyFont) const;
    // The program's mark, drawn inline so that the page needs no picture file.
    QByteArray mark() const;
    QByteArray steps() const;
    QByteArray questions() const;
    QByteArray englishSteps() const;
    QByteArray englishQuestions() const;
};

}  // namespace glint::assets
