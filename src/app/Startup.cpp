#include "app/Startup.h"

#include "core/AppInfo.h"
#include "core/server/ServerChoice.h"
#include "data/TfrmADODataModule.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace Startup {

void configureApplication(QApplication& app)
{
    QApplication::setApplicationName(AppInfo::Title);
    // No display name: the window system would append it to every window's title.
    QApplication::setOrganizationName(QStringLiteral("Zorvek"));
    // Where Tahoma is missing (Linux desktops) a narrow face of like width stands in for it, so that
    // titles and labels take the room they were drawn for.
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("Liberation Sans")});
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app/zorvek.svg")));
    // Lets the desktop match the windows with the menu entry (and its icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("zorvek"));
    // Qt's own dialogs (file dialog, standard buttons) in Russian.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    auto* qtTranslator = new QTranslator(&app);
    if (qtTranslator->load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTranslator);
}

bool takeServerOptions()
{
    const Server::Options options = Server::takeOptions(QCoreApplication::arguments().mid(1));
    if (!options.error.isEmpty()) {
        Messages::error(nullptr, options.error);
        return false;
    }
    TfrmADODataModule::setCommandLineServer(options.choice);
    return true;
}

} // namespace Startup
