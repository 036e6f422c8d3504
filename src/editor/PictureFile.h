#pragma once
// Question pictures: a Windows bitmap (*.bmp) or a JPEG image (*.jpg), any letter case, decoded
// by Qt's image readers and kept in Фото as the bytes of a Windows bitmap file.
#include <QByteArray>
#include <QString>

namespace PictureFile {

// The largest picture accepted, in points each way.
inline constexpr int MaxSide = 10000;

// Whether the file name ends in .bmp or .jpg (any letter case).
bool isPictureFileName(const QString& fileName);

// Reads and decodes the file and returns the picture as BMP file bytes. Throws zorvek::Error
// naming the file when it cannot be read or decoded or is absurdly large.
QByteArray loadAsBitmap(const QString& fileName);

} // namespace PictureFile
