#include "artwork_set.h"

#include <array>

#include "background_painter.h"
#include "button_painter.h"
#include "help_page.h"
#include "icon_painter.h"
#include "image_files.h"
#include "sample_photo_painter.h"

namespace glint::assets {
namespace {

// Quality for the 701 x 407 background and for the small pictures, whose sharp text edges need
// the higher setting.
constexpr int kBackgroundQuality = 88;
constexpr int kButtonQuality = 90;

// The sizes of the program's icon in the desktop's icon theme (icons/glint-SIZE.png).
constexpr std::array<int, 7> kThemeIconSizes{16, 24, 32, 48, 64, 128, 256};

}  // namespace

ArtworkSet::ArtworkSet(const Palette& palette, const WindowLayout& layout, const ArtFonts& fonts)
    : m_palette(palette), m_layout(layout), m_fonts(fonts) {}

bool ArtworkSet::writeTo(const QDir& folder, QString& failure) const {
    for (const QString& sub :
         {QStringLiteral("pic"), QStringLiteral("icons"), QStringLiteral("en/pic")}) {
        if (!folder.mkpath(sub)) {
            failure = folder.filePath(sub) + QStringLiteral(": cannot create");
            return false;
        }
    }
    const IconPainter icons;
    return writeWindow(folder, ArtTexts::chinese(), failure) &&
           writeWindow(folder, ArtTexts::english(), failure) &&
           saveJpeg(SamplePhotoPainter(m_layout.samplePhoto).paint(),
                    folder.filePath("sample_photo.jpg"), kBackgroundQuality, failure) &&
           savePng(icons.windowIcon(), folder.filePath("icon.png"), failure) &&
           saveBytes(icoFile(icons.windowIcon()), folder.filePath("icon.ico"), failure) &&
           savePng(icons.handCursor(), folder.filePath("hand.png"), failure) &&
           savePng(icons.questionBubble(), folder.filePath("question.png"), failure) &&
           saveBytes(HelpPage().html(), folder.filePath("pb.htm"), failure) &&
           saveBytes(HelpPage().englishHtml(), folder.filePath("pb_en.htm"), failure) &&
           writeThemeIcons(folder, failure);
}

bool ArtworkSet::writeWindow(const QDir& folder, const ArtTexts& texts, QString& failure) const {
    const QDir into(folder.filePath(texts.folder));
    const BackgroundPainter background(m_palette, m_layout, m_fonts, texts);
    const QImage bare = background.paintBare();
    const ButtonPainter buttons(m_palette, m_fonts, texts, bare);
    return saveJpeg(background.paintFinished(bare), into.filePath("background.jpg"),
                    kBackgroundQuality, failure) &&
           saveJpeg(buttons.helpButton(m_layout.help), into.filePath("shiji.jpg"), kButtonQuality,
                    failure) &&
           writeButtons(into, buttons, failure);
}

bool ArtworkSet::writeThemeIcons(const QDir& folder, QString& failure) const {
    const IconPainter icons;
    for (const int side : kThemeIconSizes) {
        if (!savePng(icons.appIcon(side),
                     folder.filePath(QStringLiteral("icons/glint-%1.png").arg(side)), failure)) {
            return false;
        }
    }
    return true;
}

bool ArtworkSet::writeButtons(const QDir& folder, const ButtonPainter& buttons,
                              QString& failure) const {
    const auto save = [&](const QImage& picture, const QString& name) {
        return saveJpeg(picture, folder.filePath(QStringLiteral("pic/") + name), kButtonQuality,
                        failure);
    };
    for (int hot = 0; hot < 2; ++hot) {
        const QString suffix = hot ? QStringLiteral("_2.jpg") : QStringLiteral("_1.jpg");
        for (int i = 0; i < 4; ++i) {
            const QImage step =
                buttons.stepButton(m_layout.steps[static_cast<size_t>(i)], i + 1, hot);
            if (!save(step, QStringLiteral("00%1").arg(i + 1) + suffix)) return false;
        }
        if (!save(buttons.newProductionButton(m_layout.newProduction, hot),
                  QStringLiteral("005") + suffix) ||
            !save(buttons.titleButton(m_layout.close, TitleGlyph::Cross, hot),
                  QStringLiteral("guan") + suffix) ||
            !save(buttons.titleButton(m_layout.minimise, TitleGlyph::Minus, hot),
                  QStringLiteral("zuixiao") + suffix)) {
            return false;
        }
    }
    return true;
}

}  // namespace glint::assets
