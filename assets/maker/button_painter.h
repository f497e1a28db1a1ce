#pragma once

// The button pictures of the authoring window. Each is cut to the exact size of its control and
// starts from the bare background under that control, so the corners around a rounded face match
// the window. A highlighted picture ("hot", shown while the pointer is over the button) keeps the
// normal one's text and layout and only brightens it.

#include <QImage>
#include <QRect>
#include <QString>

#include "art_fonts.h"
#include "art_texts.h"
#include "palette.h"

namespace glint::assets {

enum class TitleGlyph { Minus, Cross };

class ButtonPainter {
public:
    ButtonPainter(const Palette& palette, const ArtFonts& fonts, const ArtTexts& texts,
                  const QImage& bareBackground);

    // A numbered step (1 to 4): the number in a disc on the left, the caption centred on the rest.
    QImage stepButton(const QRect& place, int number, bool hot) const;
    // "Start a new production": the same face with a down arrow in place of the number.
    QImage newProductionButton(const QRect& place, bool hot) const;
    // The minimise and close buttons; the normal picture repeats the background's glyph exactly.
    QImage titleButton(const QRect& place, TitleGlyph glyph, bool hot) const;
    // The help button: a question mark on a round badge, with the word "help" below.
    QImage helpButton(const QRect& place) const;

private:
    QImage baseFor(const QRect& place) const;
    // The rounded face with the caption and an empty disc on its left, for the caller to fill.
    void paintFace(QImage& picture, const QString& caption, bool hot) const;

    const Palette& m_palette;
    const ArtFonts& m_fonts;
    const ArtTexts& m_texts;
    const QImage& m_bare;
};

}  // namespace glint::assets
