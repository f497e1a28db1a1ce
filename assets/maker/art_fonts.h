#pragma once

// The one typeface of the artwork. Every caption is Chinese, so the face must hold every character
// drawn: a missing glyph would be painted as an empty box and go unnoticed inside a JPEG. The
// generator therefore refuses to run unless the face is really installed, and every line of text
// is checked against it as it is drawn (see requireGlyphs).

#include <QFont>
#include <QString>

namespace glint::assets {

class ArtFonts {
public:
    ArtFonts();

    // True when the family resolved to the installed face rather than a substitute.
    bool available() const;

    // Sizes are in pixels, so the pictures do not depend on the screen's resolution.
    QFont font(int pixelSize, bool bold = false) const;

    static QString familyName() { return QStringLiteral("WenQuanYi Zen Hei"); }

private:
    QFont m_base;
};

}  // namespace glint::assets
