// Zorvek: the knowledge-testing workstation. Start-up: application settings, the data module
// and every window created once, the main database opened from the working directory, then the
// user-interface loop until the main window closes. Without a data folder the start window
// asks for one first.
#include "app/DataFolderStart.h"
#include "app/Forms.h"
#include "app/Startup.h"
#include "app/TfrmClassificatorZorvek.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Startup::configureApplication(app);
    if (!Startup::takeServerOptions())
        return 2;
    if (!DataFolderStart::run(QCoreApplication::arguments()))
        return 0;
    TfrmClassificatorZorvek* mainWindow = Forms::createAll();
    mainWindow->FormCreate();
    mainWindow->show();
    const int rc = QApplication::exec();
    Forms::destroyAll();
    return rc;
}
