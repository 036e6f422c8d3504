// zorvek-cli: the program's headless commands, built on the same code as the windows.
// Every command works in the current data folder (the working directory), as the program does, or
// on the shared server that "--server" or the folder's server file names.
#include "cli/CliCommand.h"
#include "core/Error.h"
#include "core/server/ServerChoice.h"
#include "data/TfrmADODataModule.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <unistd.h>

namespace {

int usage()
{
    Cli::err() << "Использование: zorvek-cli <команда> [параметры]\n\nКоманды:\n";
    for (const Cli::Command& c : Cli::all())
        Cli::err() << "  " << c.usage << "\n      " << c.summary << "\n";
    Cli::err() << "\nОбщий сервер (у любой команды, в любом месте строки):\n"
                  "  --server СТРОКА   строка подключения libpq: service=zorvek или host=… dbname=… user=…\n"
                  "  --station ИМЯ     имя станции (рабочего места) на сервере\n";
    Cli::err().flush();
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    // Pictures and documents are drawn without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Without a desktop session Qt warns on every start that it has no runtime folder.
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        const QByteArray runtime = QDir::tempPath().toLocal8Bit() + "/zorvek-runtime-" + QByteArray::number(getuid());
        QDir().mkpath(QString::fromLocal8Bit(runtime));
        QFile::setPermissions(QString::fromLocal8Bit(runtime), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("XDG_RUNTIME_DIR", runtime);
    }
    QGuiApplication app(argc, argv);
    // The shared server's options may stand anywhere, before or after the command.
    const Server::Options server = Server::takeOptions(QCoreApplication::arguments().mid(1));
    if (!server.error.isEmpty())
        return Cli::fail(server.error);
    TfrmADODataModule::setCommandLineServer(server.choice);
    QStringList args = server.rest;
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("help"))
        return usage();
    const Cli::Command* command = Cli::find(args.first());
    if (!command) {
        Cli::err() << "zorvek-cli: неизвестная команда «" << args.first() << "»\n";
        return usage();
    }
    try {
        const int rc = command->run(args.mid(1));
        Cli::out().flush();
        Cli::err().flush();
        return rc;
    } catch (const zorvek::Error& e) {
        Cli::out().flush();
        return Cli::fail(e.message());
    }
}
