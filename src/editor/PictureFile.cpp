#include "editor/PictureFile.h"

#include "core/Error.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace PictureFile {

bool isPictureFileName(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    return suffix == QLatin1String("bmp") || suffix == QLatin1String("jpg");
}

QByteArray loadAsBitmap(const QString& fileName)
{
    const QString shown = QDir::toNativeSeparators(fileName);
    auto fail = [&](const QString& why) {
        return zorvek::Error(QStringLiteral("Рисунок из файла «%1» не загружен: %2").arg(shown, why));
    };
    const QFileInfo info(fileName);
    if (!info.exists())
        throw fail(QStringLiteral("файл не найден."));
    if (!info.isFile() || !info.isReadable())
        throw fail(QStringLiteral("файл не может быть прочитан."));

    QImageReader reader(fileName);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    auto tooLarge = [](const QSize& s) { return s.width() > MaxSide || s.height() > MaxSide; };
    if (size.isValid() && tooLarge(size))
        throw fail(
            QStringLiteral("рисунок размером %1 × %2 точек слишком велик (допускается не более %3 × %3).")
                .arg(size.width())
                .arg(size.height())
                .arg(MaxSide));
    QImage image = reader.read();
    if (image.isNull())
        throw fail(QStringLiteral("файл не является рисунком BMP или JPEG либо повреждён (%1).")
                       .arg(reader.errorString()));
    if (tooLarge(image.size()))
        throw fail(
            QStringLiteral("рисунок слишком велик (допускается не более %1 × %1 точек).").arg(MaxSide));

    if (image.hasAlphaChannel())
        image = image.convertToFormat(QImage::Format_RGB32);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "BMP"))
        throw fail(QStringLiteral("рисунок не удалось преобразовать в точечный рисунок BMP."));
    return bytes;
}

} // namespace PictureFile
