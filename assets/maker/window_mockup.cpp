#include "window_mockup.h"

#include <QPainter>

#include "paint_helpers.h"

namespace glint::assets {
namespace {

void label(QPainter& painter, const QRect& place, const QFont& font, const QColor& colour,
           const QString& text) {
    // Like the window's opaque labels: a black box the size of the text, then the text.
    const QRect box(place.topLeft(),
                    QSize(static_cast<int>(textWidth(font, text)) + 1, place.height()));
    painter.fillRect(box, Qt::black);
    drawLine(painter, box, font, colour, Qt::AlignLeft | Qt::AlignTop, text);
}

}  // namespace

WindowMockup::WindowMockup(const WindowLayout& layout, const ArtFonts& fonts)
    : m_layout(layout), m_fonts(fonts) {}

QImage WindowMockup::compose(const QDir& artworkFolder, const ArtTexts& texts, bool hot) const {
    const QDir set(artworkFolder.filePath(texts.folder));
    QImage window(set.filePath("background.jpg"));
    window = window.convertToFormat(QImage::Format_RGB32);
    QPainter painter(&window);
    const auto place = [&](const QString& file, const QRect& where) {
        painter.drawImage(where, QImage(set.filePath(file)));
    };
    const QString suffix = hot ? QStringLiteral("_2.jpg") : QStringLiteral("_1.jpg");
    for (int i = 0; i < 4; ++i) {
        place(QStringLiteral("pic/00%1").arg(i + 1) + suffix,
              m_layout.steps[static_cast<size_t>(i)]);
    }
    place(QStringLiteral("pic/005") + suffix, m_layout.newProduction);
    place(QStringLiteral("pic/guan") + suffix, m_layout.close);
    place(QStringLiteral("pic/zuixiao") + suffix, m_layout.minimise);
    place(QStringLiteral("shiji.jpg"), m_layout.help);
    // The preview stretches whatever it shows to its own size.
    painter.drawImage(m_layout.preview, QImage(artworkFolder.filePath("sample_photo.jpg")));

    const QFont font = m_fonts.font(12);
    label(painter, m_layout.previewCaption, font, QColor(255, 255, 0), texts.previewCaption);
    label(painter, m_layout.version, font, QColor(0xc0, 0xc0, 0xc0), QStringLiteral("V1.0"));
    label(painter, m_layout.webAddress, font, QColor(255, 255, 0),
          QStringLiteral("https://glint.example.org"));
    return window;
}

}  // namespace glint::assets
