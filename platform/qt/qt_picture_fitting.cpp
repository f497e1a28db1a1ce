#include "platform/qt/qt_picture_fitting.h"

#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

#include "package/file_error.h"
#include "platform/qt/qt_screen.h"

namespace glint::platform::qt {

// The screen as the show sees it.
PixelSize QtPictureFitting::screenDevicePixels() const {
    const QtScreen show(ScreenUse::Show);
    return {show.widthPixels(), show.heightPixels()};
}

void QtPictureFitting::writeFittedCopy(const Image& picture, PixelSize size,
                                       const std::string& path) {
    // The picture's own pixels, read in place: 0x00RRGGBB is RGB32 but for the alpha byte, which
    // RGB32 ignores.
    const QImage source(
        reinterpret_cast<const uchar*>(picture.pixels().data()), picture.width(), picture.height(),
        static_cast<qsizetype>(picture.width()) * static_cast<qsizetype>(sizeof(Rgb)),
        QImage::Format_RGB32);
    const QImage fitted =
        source.scaled(size.width, size.height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (fitted.isNull()) throw package::FileError("Cannot scale picture for", path);
    // Named by its bytes, so a name in any encoding is written as the system gives it.
    QSaveFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!file.open(QIODevice::WriteOnly)) throw package::FileError("Cannot write file", path);
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(kJpegQuality);
    if (!writer.write(fitted) || !file.commit())
        throw package::FileError("Cannot write file", path);
}

}  // namespace glint::platform::qt
