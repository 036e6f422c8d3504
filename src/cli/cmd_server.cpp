// zorvek-cli server init | add-station NAME | push DIR | pull DIR: the shared server's
// administration. The server is the one named by "--server" (or by the data folder's server file).
#include "cli/CliCommand.h"
#include "core/Error.h"
#include "data/TfrmADODataModule.h"
#include "server/ServerAdmin.h"
#include "server/ServerConnection.h"
#include "server/ServerTransfer.h"

#include <QDir>
#include <QUuid>

namespace {

const QString Usage = QStringLiteral("укажите: zorvek-cli --server СТРОКА server init | add-station ИМЯ | push DIR | pull DIR");

// The administrator's connection: no station, no search path of its own.
class AdminConnection
{
public:
    explicit AdminConnection(const QString& conninfo)
    {
        m_name = QStringLiteral("server-admin-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
        m_db = QSqlDatabase::addDatabase(ServerConnection::Driver, m_name);
        ServerConnection::open(m_db, conninfo);
    }
    ~AdminConnection()
    {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    AdminConnection(const AdminConnection&) = delete;
    AdminConnection& operator=(const AdminConnection&) = delete;
    const QSqlDatabase& db() const { return m_db; }

private:
    QString m_name;
    QSqlDatabase m_db;
};

void printCopy(const ServerTransfer::TableCopy& t)
{
    Cli::out() << t.file << " → " << t.schema << "." << t.table << ": " << t.rows << " строк, контрольная сумма "
               << t.checksum.left(16) << " — совпадает\n";
    Cli::out().flush();
}

int runServer(const QStringList& args)
{
    const Cli::Args a(args);
    if (a.positional().isEmpty() || !a.unknown({}).isEmpty())
        return Cli::fail(Usage);
    const Server::Choice choice = TfrmADODataModule::serverChoiceFor(TfrmADODataModule::dataFolder());
    if (!choice.onServer())
        return Cli::fail(QStringLiteral("сервер не задан: ") + Usage);
    const QString action = a.positional().first();
    const QStringList rest = a.positional().mid(1);
    const bool takesName = action == QLatin1String("add-station") || action == QLatin1String("push")
                           || action == QLatin1String("pull");
    if ((action == QLatin1String("init") && !rest.isEmpty()) || (takesName && rest.size() != 1)
        || (action != QLatin1String("init") && !takesName))
        return Cli::fail(Usage);

    AdminConnection server(choice.conninfo);
    if (action == QLatin1String("init")) {
        ServerAdmin::init(server.db());
        Cli::out() << "База данных подготовлена: схемы main, bank_1 … bank_9, роли zorvek_station, zorvek_operator, "
                      "zorvek_maintainer, zorvek_owner.\n";
    } else if (action == QLatin1String("add-station")) {
        ServerAdmin::addStation(server.db(), rest.first());
        Cli::out() << "Станция заведена: " << Server::normalStationName(rest.first()) << '\n';
    } else if (action == QLatin1String("push")) {
        const auto copied = ServerTransfer::push(server.db(), rest.first(), printCopy);
        Cli::out() << "Папка данных " << QDir::toNativeSeparators(QDir(rest.first()).absolutePath())
                   << " перенесена на сервер: таблиц " << copied.size() << ".\n";
    } else {
        const auto copied = ServerTransfer::pull(server.db(), rest.first(), printCopy);
        Cli::out() << "Папка данных записана: " << QDir::toNativeSeparators(QDir(rest.first()).absolutePath())
                   << ", таблиц " << copied.size() << ".\n";
    }
    return 0;
}

} // namespace

ZORVEK_CLI_COMMAND(QStringLiteral("server"), QStringLiteral("server init | add-station ИМЯ | push DIR | pull DIR"),
                   QStringLiteral("общий сервер: подготовить пустую базу, завести станцию, перенести папку данных на "
                                  "сервер, записать папку данных с сервера (--server СТРОКА)"),
                   runServer);
