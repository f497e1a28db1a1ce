#pragma once

// The authoring window's background picture. It is made in two stages: the bare window, from which
// the button pictures cut their surroundings so their rounded corners blend in, and the finished
// background, which adds the minus and the cross under the title buttons so that the button
// pictures lie exactly over the glyphs they repeat.

#include <QImage>

#include "art_fonts.h"
#include "art_texts.h"
#include "palette.h"
#include "window_layout.h"

namespace glint::assets {

class BackgroundPainter {
public:
    BackgroundPainter(const Palette& palette, const WindowLayout& layout, const ArtFonts& fonts,
                      const ArtTexts& texts);

    QImage paintBare() const;
    QImage paintFinished(const QImage& bare) const;

private:
    const Palette& m_palette;
    const WindowLayout& m_layout;
    const ArtFonts& m_fonts;
    const ArtTexts& m_texts;
};

}  // namespace glint::assets
