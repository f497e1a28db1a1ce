// glint_draw_artwork OUTPUT_FOLDER [--mockup FILE.png]
//
// Paints every file of the authoring program's artwork into OUTPUT_FOLDER. With --mockup it also
// writes a picture of the whole window put together from those files, and one with every button
// highlighted beside it (FILE-hot.png), and the same two of the English window (FILE-en.png,
// FILE-en-hot.png).

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

#include "art_fonts.h"
#include "art_texts.h"
#include "artwork_set.h"
#include "image_files.h"
#include "palette.h"
#include "window_layout.h"
#include "window_mockup.h"

namespace {

int fail(const QString& message) {
    std::fprintf(stderr, "glint_draw_artwork: %s\n", qPrintable(message));
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    // No display is needed: everything is painted into images.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication application(argc, argv);
    const QStringList arguments = QGuiApplication::arguments().mid(1);
    const bool withMockup = arguments.size() == 3 && arguments[1] == QStringLiteral("--mockup");
    if (arguments.size() != 1 && !withMockup) {
        return fail(QStringLiteral("usage: glint_draw_artwork OUTPUT_FOLDER [--mockup FILE.png]"));
    }

    using namespace glint::assets;
    const ArtFonts fonts;
    if (!fonts.available()) {
        return fail(QStringLiteral("the font \"%1\" is not installed (Debian: fonts-wqy-zenhei)")
                        .arg(ArtFonts::familyName()));
    }
    const Palette palette;
    const WindowLayout layout;
    const QDir folder(arguments[0]);
    QString failure;
    if (!ArtworkSet(palette, layout, fonts).writeTo(folder, failure)) return fail(failure);

    if (withMockup) {
        const WindowMockup mockup(layout, fonts);
        const QFileInfo target(arguments[2]);
        const auto path = [&](const char* suffix) {
            return target.dir().filePath(target.completeBaseName() + suffix);
        };
        const ArtTexts chinese = ArtTexts::chinese();
        const ArtTexts english = ArtTexts::english();
        if (!savePng(mockup.compose(folder, chinese, false), target.filePath(), failure) ||
            !savePng(mockup.compose(folder, chinese, true), path("-hot.png"), failure) ||
            !savePng(mockup.compose(folder, english, false), path("-en.png"), failure) ||
            !savePng(mockup.compose(folder, english, true), path("-en-hot.png"), failure)) {
            return fail(failure);
        }
    }
    return 0;
}
