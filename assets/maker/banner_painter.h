#pragma once

// The top of the authoring window: the title strip (the window has no system title bar, so this is
// what a person drags and reads) and the banner with the program's name, down to the banner's
// lower edge. The title-strip glyphs under the close and minimise buttons are not drawn here: the
// button pictures are cut from this bare strip.

#include <QPainter>

#include "art_fonts.h"
#include "art_texts.h"
#include "palette.h"
#include "window_layout.h"

namespace glint::assets {

class BannerPainter {
public:
    BannerPainter(const Palette& palette, const WindowLayout& layout, const ArtFonts& fonts,
                  const ArtTexts& texts);

    void paint(QPainter& painter) const;

private:
    void paintTitleStrip(QPainter& painter) const;
    void paintBannerLight(QPainter& painter) const;
    void paintName(QPainter& painter) const;
    void paintVersionTag(QPainter& painter) const;

    const Palette& m_palette;
    const WindowLayout& m_layout;
    const ArtFonts& m_fonts;
    const ArtTexts& m_texts;
};

}  // namespace glint::assets
