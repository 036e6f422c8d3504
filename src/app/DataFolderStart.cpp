#include "app/DataFolderStart.h"

#include "app/TfrmStart.h"
#include "core/AppInfo.h"
#include "core/server/ServerChoice.h"
#include "ui/Messages.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace DataFolderStart {

namespace {

QString shown(const QString& folder)
{
    return QDir::toNativeSeparators(QDir(folder).absolutePath());
}

} // namespace

bool holdsMainDatabase(const QString& folder)
{
    // A folder whose server file names the shared server has its main database there.
    return !folder.isEmpty()
           && (QFileInfo(QDir(folder).filePath(AppInfo::MainDatabaseFile)).isFile()
               || QFileInfo(QDir(folder).filePath(Server::FileName)).isFile());
}

QString dataArgument(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& a = arguments.at(i);
        if (a == QLatin1String("--data") && i + 1 < arguments.size())
            return arguments.at(i + 1);
        if (a.startsWith(QLatin1String("--data=")))
            return a.mid(7);
    }
    return QString();
}

Decision decide(const QStringList& arguments, const QString& workingDirectory, const QSettings& settings)
{
    const QString asked = dataArgument(arguments);
    if (!asked.isEmpty()) {
        if (holdsMainDatabase(asked))
            return {QDir(asked).absolutePath(), QString()};
        return {QString(), QStringLiteral("В папке «%1», указанной при запуске (--data), нет основной базы данных %2.")
                               .arg(shown(asked), AppInfo::MainDatabaseFile)};
    }
    // On a server named on the command line the working directory serves for the documents.
    if (holdsMainDatabase(workingDirectory) || Server::takeOptions(arguments.mid(1)).choice.onServer())
        return {QDir(workingDirectory).absolutePath(), QString()};
    const QString remembered = settings.value(RememberedKey).toString();
    if (remembered.isEmpty())
        return {};
    if (holdsMainDatabase(remembered))
        return {remembered, QString()};
    return {QString(), QStringLiteral("В папке данных «%1», открытой в прошлый раз, больше нет основной базы данных %2.")
                           .arg(shown(remembered), AppInfo::MainDatabaseFile)};
}

void remember(QSettings& settings, const QString& folder)
{
    settings.setValue(RememberedKey, QDir(folder).absolutePath());
    settings.sync();
}

bool run(const QStringList& arguments)
{
    QSettings settings;
    Decision decision = decide(arguments, QDir::currentPath(), settings);
    QString folder = decision.folder;
    if (folder.isEmpty()) {
        TfrmStart start;
        start.setNotice(decision.notice);
        if (start.exec() != QDialog::Accepted)
            return false;
        folder = start.chosenFolder();
        remember(settings, folder);
    }
    if (!QDir::setCurrent(folder)) {
        Messages::error(nullptr, QStringLiteral("Не удалось перейти в папку данных «%1».").arg(shown(folder)));
        return false;
    }
    return true;
}

} // namespace DataFolderStart
