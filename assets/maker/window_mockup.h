#pragma once

// A picture of the whole authoring window as it will look, put together from the written files:
// the background, every button picture and the sample photograph at their controls' places, and
// the three labels in their colours. It is for checking the artwork by eye, not for shipping.

#include <QDir>
#include <QImage>

#include "art_fonts.h"
#include "art_texts.h"
#include "window_layout.h"

namespace glint::assets {

class WindowMockup {
public:
    WindowMockup(const WindowLayout& layout, const ArtFonts& fonts);

    // The window in the texts' language; `hot` shows every button highlighted, as if the
    // pointer were over each one.
    QImage compose(const QDir& artworkFolder, const ArtTexts& texts, bool hot) const;

private:
    const WindowLayout& m_layout;
    const ArtFonts& m_fonts;
};

}  // namespace glint::assets
