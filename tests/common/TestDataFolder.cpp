#include "TestDataFolder.h"

#include "core/AppInfo.h"
#include "core/Categories.h"
#include "core/server/ServerChoice.h"
#include "core/server/ServerNames.h"
#include "data/Db.h"
#include "data/demo/DemoData.h"
#include "server/ServerConnection.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFile>
#include <QSqlRecord>
#include <QUuid>

namespace {

// The database the test cluster's start made: the demo data pushed, the station "test" added.
const QString TemplateDatabase = QStringLiteral("zorvek_demo");
const QString TestStation = QStringLiteral("test");

// The demo data are built once per test program; each TestDataFolder copies them.
const QString& demoMaster()
{
    static QTemporaryDir master;
    static bool built = false;
    if (!built) {
        try {
            DemoData::create(master.path());
        } catch (const std::exception& e) {
            qWarning("demo data could not be built: %s", e.what());
        }
        built = true;
    }
    static const QString path = master.path();
    return path;
}

// A statement on the cluster's own database "postgres", as its superuser.
bool onCluster(const QString& statement)
{
    const QString name = QUuid::createUuid().toString();
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(ServerConnection::Driver, name);
        try {
            ServerConnection::open(db, TestDataFolder::testServer() + QStringLiteral(" dbname=postgres"));
            Db::exec(db, statement);
            ok = true;
        } catch (const std::exception& e) {
            qWarning("test server: %s", e.what());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

// The server choice of a folder that works on the server; empty for a folder of files.
Server::Choice serverChoice(const QString& folder)
{
    QFile file(QDir(folder).filePath(Server::FileName));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return Server::parseFile(QString::fromUtf8(file.readAll())).choice;
}

QString homeSchemaOf(const QString& fileName)
{
    if (fileName == AppInfo::MainDatabaseFile)
        return ServerNames::MainSchema;
    return ServerNames::bankSchema(int(Categories::bankFiles().indexOf(fileName)));
}

} // namespace

bool TestDataFolder::onServer()
{
    return !testServer().isEmpty();
}

QString TestDataFolder::testServer()
{
    return qEnvironmentVariable("ZORVEK_TEST_SERVER");
}

TestDataFolder::TestDataFolder()
{
    if (!m_dir.isValid())
        return;
    if (onServer()) {
        const QString name = QStringLiteral("zt_") + QUuid::createUuid().toString(QUuid::Id128).left(20);
        if (!onCluster(QStringLiteral("Create Database %1 Template %2 Strategy file_copy")
                           .arg(ServerNames::quoted(name), ServerNames::quoted(TemplateDatabase))))
            return;
        m_database = name;
        QFile file(m_dir.filePath(Server::FileName));
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write(Server::formatFile({testServer() + QStringLiteral(" dbname=") + name, TestStation}).toUtf8());
        file.close();
    } else {
        const QDir source(demoMaster());
        const QStringList files = source.entryList(QDir::Files);
        if (!files.contains(QStringLiteral("BGD.mdb")))
            return;
        for (const QString& f : files) {
            if (!QFile::copy(source.filePath(f), m_dir.filePath(f)))
                return;
            QFile::setPermissions(m_dir.filePath(f), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
    }
    m_previousDir = QDir::currentPath();
    m_valid = QDir::setCurrent(m_dir.path());
}

TestDataFolder::~TestDataFolder()
{
    if (!m_previousDir.isEmpty())
        QDir::setCurrent(m_previousDir);
    if (!m_database.isEmpty())
        onCluster(QStringLiteral("Drop Database If Exists %1 With (Force)").arg(ServerNames::quoted(m_database)));
}

QString TestDataFolder::path() const
{
    return m_dir.path() + QLatin1Char('/');
}

QString TestDataFolder::filePath(const QString& name) const
{
    return m_dir.filePath(name);
}

TestConnection::TestConnection(const QString& databaseFilePath)
{
    m_name = QUuid::createUuid().toString();
    const QFileInfo info(databaseFilePath);
    const Server::Choice server = serverChoice(info.absolutePath());
    if (!server.onServer()) {
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        Db::openDatabaseFile(m_db, databaseFilePath);
        return;
    }
    m_db = QSqlDatabase::addDatabase(ServerConnection::Driver, m_name);
    ServerConnection::open(m_db, server.conninfo);
    ServerConnection::place(m_db, {ServerNames::stationSchema(server.station), homeSchemaOf(info.fileName()), QString()});
}

TestConnection::~TestConnection()
{
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}

QByteArray fileChecksum(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && serverChoice(info.absolutePath()).onServer() && !homeSchemaOf(info.fileName()).isEmpty()) {
        // The tables that stand for the file: every row of each, in the order of its columns.
        TestConnection c(path);
        QCryptographicHash hash(QCryptographicHash::Sha256);
        QStringList tables = Db::tableNames(c.db());
        tables.sort();
        for (const QString& t : tables) {
            hash.addData(t.toUtf8());
            QSqlQuery q = Db::exec(c.db(), QStringLiteral("Select * From ") + t + QStringLiteral(" Order By 1"));
            while (q.next()) {
                for (int i = 0; i < q.record().count(); ++i)
                    hash.addData(q.isNull(i) ? QByteArrayLiteral("\x01null") : q.value(i).toByteArray() + '\x1f');
                hash.addData(QByteArrayLiteral("\x1e"));
            }
        }
        return hash.result().toHex();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result().toHex();
}
