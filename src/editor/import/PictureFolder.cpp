#include "editor/import/PictureFolder.h"

#include "core/Error.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSaveFile>

namespace PictureFolder {

namespace {

// The largest picture accepted, in points each way, and the largest picture file.
constexpr int MaxSide = 10000;
constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

const QStringList PictureSuffixes{QStringLiteral("bmp"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                  QStringLiteral("png")};

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

bool isPictureFile(const QFileInfo& info)
{
    return info.isFile() && PictureSuffixes.contains(info.suffix().toLower());
}

// The question number a picture file is named by; 0 when its name is not a number.
int numberOf(const QFileInfo& info)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,6}$"));
    const QString base = info.completeBaseName();
    return digits.match(base).hasMatch() ? base.toInt() : 0;
}

// The picture as the banks keep it: a Windows bitmap's bytes, unchanged when it is one already.
QByteArray asBitmap(const QString& path, const QByteArray& bytes)
{
    auto fail = [&](const QString& why) {
        return zorvek::Error(QStringLiteral("Рисунок «%1» не загружен: %2").arg(shown(path), why));
    };
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > MaxSide || size.height() > MaxSide))
        throw fail(
            QStringLiteral("рисунок размером %1 × %2 точек слишком велик (допускается не более %3 × %3).")
                .arg(size.width())
                .arg(size.height())
                .arg(MaxSide));
    QImage image = reader.read();
    if (image.isNull())
        throw fail(QStringLiteral("файл не является рисунком BMP, JPEG или PNG либо повреждён (%1).")
                       .arg(reader.errorString()));
    if (suffixFor(bytes) == QLatin1String("bmp"))
        return bytes;
    if (image.hasAlphaChannel())
        image = image.convertToFormat(QImage::Format_RGB32);
    QByteArray bitmap;
    QBuffer out(&bitmap);
    out.open(QIODevice::WriteOnly);
    if (!image.save(&out, "BMP"))
        throw fail(QStringLiteral("рисунок не удалось преобразовать в точечный рисунок BMP."));
    return bitmap;
}

} // namespace

QString forFile(const QString& textFilePath)
{
    const QFileInfo info(textFilePath);
    return info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral("_рисунки"));
}

QString suffixFor(const QByteArray& bytes)
{
    if (bytes.startsWith("BM"))
        return QStringLiteral("bmp");
    if (bytes.startsWith("\xFF\xD8\xFF"))
        return QStringLiteral("jpg");
    if (bytes.startsWith("\x89PNG\r\n\x1A\n"))
        return QStringLiteral("png");
    return QString();
}

int read(const QString& folder, QList<QuestionFile::Question>& questions)
{
    const QDir dir(folder);
    if (!dir.exists())
        return 0;
    QHash<int, QString> taken;
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo& info : files) {
        if (!isPictureFile(info))
            continue;
        const QString path = info.absoluteFilePath();
        const int number = numberOf(info);
        if (number < 1)
            throw zorvek::Error(
                QStringLiteral("Рисунок «%1» не назван номером вопроса в файле (1.bmp, 2.bmp …).")
                    .arg(shown(path)));
        if (number > questions.size())
            throw zorvek::Error(
                QStringLiteral("Рисунок «%1» относится к вопросу № %2, а вопросов в файле %3.")
                    .arg(shown(path), QString::number(number), QString::number(questions.size())));
        if (taken.contains(number))
            throw zorvek::Error(QStringLiteral("У вопроса № %1 два рисунка: «%2» и «%3».")
                                    .arg(QString::number(number), taken.value(number), info.fileName()));
        taken.insert(number, info.fileName());
        if (info.size() > MaxFileSize)
            throw zorvek::Error(QStringLiteral("Рисунок «%1» слишком велик (%2 МБ).")
                                    .arg(shown(path), QString::number(info.size() / (1024 * 1024))));
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw zorvek::Error(
                QStringLiteral("Не удалось открыть рисунок «%1»: %2.").arg(shown(path), file.errorString()));
        questions[number - 1].picture = asBitmap(path, file.readAll());
    }
    return int(taken.size());
}

int write(const QString& folder, const QList<QuestionFile::Question>& questions)
{
    QDir dir(folder);
    if (dir.exists()) {
        // Pictures of an earlier export would be taken for this one's.
        for (const QFileInfo& info : dir.entryInfoList(QDir::Files | QDir::Hidden)) {
            if (isPictureFile(info) && numberOf(info) > 0 && !QFile::remove(info.absoluteFilePath()))
                throw zorvek::Error(QStringLiteral("Не удалось удалить прежний рисунок «%1».")
                                        .arg(shown(info.absoluteFilePath())));
        }
    }
    int written = 0;
    for (qsizetype i = 0; i < questions.size(); ++i) {
        const QByteArray& bytes = questions[i].picture;
        const QString suffix = suffixFor(bytes);
        if (bytes.isEmpty() || suffix.isEmpty())
            continue;
        if (!dir.exists() && !QDir().mkpath(folder))
            throw zorvek::Error(QStringLiteral("Не удалось создать папку рисунков «%1».").arg(shown(folder)));
        const QString path = dir.filePath(QString::number(i + 1) + QLatin1Char('.') + suffix);
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            throw zorvek::Error(
                QStringLiteral("Не удалось записать рисунок «%1»: %2.").arg(shown(path), file.errorString()));
        ++written;
    }
    if (dir.exists() && dir.isEmpty())
        dir.rmdir(folder);
    return written;
}

} // namespace PictureFolder
