#include "core/InstallPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#ifndef ZORVEK_SHARE_FROM_BIN
#define ZORVEK_SHARE_FROM_BIN "../share/zorvek"
#endif

namespace InstallPaths {

QString programFolder()
{
    const QString bin = QCoreApplication::applicationDirPath();
    const QFileInfo installed(QDir(bin).filePath(QStringLiteral(ZORVEK_SHARE_FROM_BIN)));
    if (installed.isDir())
        return installed.canonicalFilePath() + QLatin1Char('/');
    return bin + QLatin1Char('/');
}

bool installed()
{
    return programFolder() != QCoreApplication::applicationDirPath() + QLatin1Char('/');
}

} // namespace InstallPaths
