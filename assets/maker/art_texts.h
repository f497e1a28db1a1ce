#pragma once

// Every word the window's pictures show, in one language. The Chinese set is the window as it was
// first drawn; the English set is drawn by the same painters at the same places, for desktops in
// any other language. The words of the buttons are those the program's own texts use for them
// (po/en.po), so that the help page, the dialogs and the pictures name a button alike.

#include <QString>
#include <array>

namespace glint::assets {

struct ArtTexts {
    // Where the set's pictures lie inside the artwork folder: "" or a subfolder ending in "/".
    QString folder;

    // The title strip, the line above the wordmark and the word beside it.
    QString title;
    QString tagline;
    QString productName;
    // The heading on the right of the band above the steps.
    QString heading;
    // Under the preview.
    QString previewNote;
    // The preview's caption, which the window draws itself; for the mock-up only.
    QString previewCaption;

    // The four steps, top to bottom: the ordinal left of the badge, the button's caption, and
    // the title and hint right of the button.
    std::array<QString, 4> ordinals;
    std::array<QString, 4> captions;
    std::array<QString, 4> titles;
    std::array<QString, 4> hints;

    QString newProduction;
    QString help;
    // The two lines under the steps.
    std::array<QString, 2> footer;

    static ArtTexts chinese();
    static ArtTexts english();
};

}  // namespace glint::assets
