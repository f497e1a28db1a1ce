#include "art_fonts.h"

#include <QFontInfo>

namespace glint::assets {

ArtFonts::ArtFonts() : m_base(familyName()) {
    m_base.setStyleStrategy(QFont::PreferAntialias);
    m_base.setHintingPreference(QFont::PreferVerticalHinting);
}

bool ArtFonts::available() const {
    return QFontInfo(m_base).family().compare(familyName(), Qt::CaseInsensitive) == 0;
}

QFont ArtFonts::font(int pixelSize, bool bold) const {
    QFont result(m_base);
    result.setPixelSize(pixelSize);
    result.setBold(bold);
    return result;
}

}  // namespace glint::assets
