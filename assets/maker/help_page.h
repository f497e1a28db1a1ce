#pragma once

// pb.htm, the help page the authoring program opens from its question-mark button: a single
// self-contained UTF-8 file (inline style, no pictures or scripts from elsewhere), because it is
// shipped beside the program and opened from disk in whatever browser the person has.

#include <QByteArray>

namespace glint::assets {

class HelpPage {
public:
    QByteArray html() const;

private:
    QByteArray style() const;
    QByteArray steps() const;
    QByteArray questions() const;
};

}  // namespace glint::assets
