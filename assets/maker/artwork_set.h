#pragma once

// Every file of the authoring program's artwork, painted and written into one folder:
//   background.jpg  shiji.jpg  sample_photo.jpg  icon.png  icon.ico  hand.png  question.png  pb.htm
//   pic/001_1.jpg ... pic/005_2.jpg  pic/guan_1.jpg  pic/guan_2.jpg  pic/zuixiao_1.jpg
//   pic/zuixiao_2.jpg
// "_1" is a button's normal picture and "_2" its highlighted one; the program's built-in button
// pictures are the "_1" files. icon.ico is icon.png for the Windows build's resource compiler.
// The same window in English: en/background.jpg, en/shiji.jpg and every picture of pic/ in en/pic/
// (those without words too, so that the set is whole), and the help page pb_en.htm; the other
// pictures hold no words and serve both languages.

#include <QDir>
#include <QString>

#include "art_fonts.h"
#include "art_texts.h"
#include "palette.h"
#include "window_layout.h"

namespace glint::assets {

class ButtonPainter;

class ArtworkSet {
public:
    ArtworkSet(const Palette& palette, const WindowLayout& layout, const ArtFonts& fonts);

    // Writes every file, creating the folders; on failure, says which file and why.
    bool writeTo(const QDir& folder, QString& failure) const;

private:
    // The pictures that hold words, in the texts' language, under the texts' folder.
    bool writeWindow(const QDir& folder, const ArtTexts& texts, QString& failure) const;
    bool writeButtons(const QDir& folder, const ButtonPainter& buttons, QString& failure) const;
    // The program's icon at the sizes of the desktop's icon theme, in icons/.
    bool writeThemeIcons(const QDir& folder, QString& failure) const;

    const Palette& m_palette;
    const WindowLayout& m_layout;
    const ArtFonts& m_fonts;
};

}  // namespace glint::assets
