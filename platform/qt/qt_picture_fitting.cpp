#include "platform/qt/qt_picture_fitting.h"

#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>

#include "package/file_error.h"
#include "platform/qt/qt_conversions.h"
#include "platform/qt/qt_screen.h"

namespace glint::platform::qt {

// The screen as the show sees it.
PixelSize QtPictureFitting::screenDevicePixels() const {
    const QtScreen show(ScreenUse::Show);
    return {show.widthPixels(), show.heightPixels()};
}

void QtPictureFitting::writeFittedCopy(const Image& picture, PixelSize size,
                                       const std::string& path) {
    // The picture's own pixels, read in place; the JPEG written has no alpha to carry.
    const QImage source = pixelsOf(picture);
    const QImage fitted = size == PixelSize{picture.width(), picture.height()}
                              ? source
                              : source.scaled(size.width, size.height, Qt::IgnoreAspectRatio,
                                              Qt::SmoothTransformation);
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
