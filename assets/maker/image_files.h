#pragma once

// Writing the pictures. The encoders' settings are fixed here, so a picture painted the same way is
// written to the same bytes and a regenerated folder can be compared with the committed one.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace glint::assets {

// Each returns false, with the reason in `failure`, when the file cannot be written.
bool saveJpeg(const QImage& picture, const QString& path, int quality, QString& failure);
bool savePng(const QImage& picture, const QString& path, QString& failure);
bool saveBytes(const QByteArray& bytes, const QString& path, QString& failure);

// The picture as a Windows icon file (.ico) for the resource compiler: one 32-bit picture with
// straight alpha and the mask of its clear pixels. At most 256 x 256.
QByteArray icoFile(const QImage& picture);

}  // namespace glint::assets
