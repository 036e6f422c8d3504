#include "print/DocumentPlaces.h"

#include "core/Error.h"
#include "core/Global.h"
#include "core/InstallPaths.h"
#include "data/TfrmADODataModule.h"

#include <QDir>
#include <QTemporaryDir>

namespace DocumentPlaces {

QString deliveredFolder()
{
    return Global::PathExe.isEmpty() ? InstallPaths::programFolder() : Global::PathExe;
}

PrintJobs::Folders folders()
{
    // An installed program's folder belongs to the package, even where it could be written.
    if (InstallPaths::installed())
        return {deliveredFolder(), TfrmADODataModule::dataFolder(), QString()};
    return {deliveredFolder(), deliveredFolder(), TfrmADODataModule::dataFolder()};
}

QString newCopyFolder()
{
    QTemporaryDir dir(QDir::temp().filePath(QStringLiteral("zorvek-document-XXXXXX")));
    if (!dir.isValid())
        throw zorvek::Error(QStringLiteral("Не создаётся папка для копии документа в «") +
                            QDir::toNativeSeparators(QDir::tempPath()) + QStringLiteral("»: ") +
                            QStringLiteral("проверьте, есть ли место на диске и право записи."));
    // The copy stays after the program ends: the word processor may still have it open.
    dir.setAutoRemove(false);
    return dir.path();
}

} // namespace DocumentPlaces
