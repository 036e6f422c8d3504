#include "print/docx/WriteCause.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace Docx {

namespace {

QString shown(const QString& path)
{
    return QStringLiteral("«") + QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()) +
           QStringLiteral("»");
}

// The lock file a word processor keeps beside a document it has open; empty when none is there.
QString lockFileOf(const QFileInfo& document)
{
    const QDir folder = document.absoluteDir();
    const QString name = document.fileName();
    QStringList candidates = {QStringLiteral(".~lock.") + name + QLatin1Char('#'),
                              QStringLiteral("~$") + name};
    if (name.size() > 2)
        candidates << QStringLiteral("~$") + name.mid(2);
    for (const QString& candidate : candidates) {
        if (QFileInfo::exists(folder.filePath(candidate)))
            return folder.filePath(candidate);
    }
    return QString();
}

} // namespace

QString writeObstacle(const QString& path)
{
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return QStringLiteral("папки ") + shown(folder.absoluteFilePath()) + QStringLiteral(" нет");
    if (!folder.isDir())
        return shown(folder.absoluteFilePath()) + QStringLiteral(" — не папка, а файл");
    if (target.isDir())
        return QStringLiteral("на его месте находится папка с тем же именем");
    const QString lock = lockFileOf(target);
    if (target.exists() && !lock.isEmpty())
        return QStringLiteral("он открыт в текстовом процессоре (рядом лежит файл блокировки ") +
               shown(lock) + QLatin1Char(')');
    if (target.exists() && !target.isWritable())
        return QStringLiteral("файл защищён от записи");
    if (!folder.isWritable())
        return QStringLiteral("нет права записи в папку ") + shown(folder.absoluteFilePath());
    return QString();
}

QString writeFailureCause(const QString& path, QFileDevice::FileError error)
{
    const QString obstacle = writeObstacle(path);
    if (!obstacle.isEmpty())
        return obstacle;
    const QString disk = diskProblem(path);
    if (!disk.isEmpty())
        return disk;
    if (error == QFileDevice::ResourceError)
        return QStringLiteral("на диске с папкой ") + shown(QFileInfo(path).absolutePath()) +
               QStringLiteral(" не хватает места");
    switch (error) {
    case QFileDevice::PermissionsError:
        return QStringLiteral("нет права записи");
    case QFileDevice::OpenError:
        return QStringLiteral("файл не открывается для записи");
    case QFileDevice::RenameError:
        return QStringLiteral(
            "готовый документ не удалось поставить на место прежнего (файл занят другой программой?)");
    default:
        return QStringLiteral("ошибка записи на диск");
    }
}

QString diskProblem(const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    const QStorageInfo storage(folder);
    if (!storage.isValid())
        return QString();
    // A document of the program takes some kilobytes; less than that left means the disk is full.
    if (storage.bytesAvailable() < 64 * 1024)
        return QStringLiteral("на диске с папкой ") + shown(folder) + QStringLiteral(" не хватает места");
    if (storage.isReadOnly())
        return QStringLiteral("диск с папкой ") + shown(folder) +
               QStringLiteral(" доступен только для чтения");
    return QString();
}

} // namespace Docx
