// The shared server on the test cluster: the layout that "server init" makes, copying a data folder
// to the server and back, the roles the server enforces, and one clear message per connection fault.
#include "TestDataFolder.h"
#include "core/AppInfo.h"
#include "core/Categories.h"
#include "core/server/ServerChoice.h"
#include "core/server/ServerNames.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/demo/DemoData.h"
#include "editor/import/SectionImport.h"
#include "server/ServerAdmin.h"
#include "server/ServerConnection.h"

#include <QDirIterator>
#include <QProcess>
#include <QSqlRecord>
#include <QTest>
#include <QUuid>
#include <memory>

namespace {

QString unique(const QString& prefix)
{
    return prefix + QUuid::createUuid().toString(QUuid::Id128).left(12);
}

// A connection of its own to a database of the cluster, as `user` (the cluster's superuser when empty).
class Connection
{
public:
    explicit Connection(const QString& database, const QString& user = QString())
    {
        m_name = unique(QStringLiteral("c"));
        m_db = QSqlDatabase::addDatabase(ServerConnection::Driver, m_name);
        QString conninfo = TestDataFolder::testServer() + QStringLiteral(" dbname=") + database;
        if (!user.isEmpty())
            conninfo += QStringLiteral(" user=") + user;
        ServerConnection::open(m_db, conninfo);
    }
    ~Connection()
    {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    QSqlDatabase& db() { return m_db; }

private:
    QString m_name;
    QSqlDatabase m_db;
};

// An empty database of its own on the cluster, dropped at the end.
class EmptyDatabase
{
public:
    EmptyDatabase() : m_name(unique(QStringLiteral("ze_")))
    {
        Connection c(QStringLiteral("postgres"));
        Db::exec(c.db(), QStringLiteral("Create Database %1 Encoding 'UTF8' Template template0").arg(m_name));
    }
    ~EmptyDatabase()
    {
        Connection c(QStringLiteral("postgres"));
        Db::exec(c.db(), QStringLiteral("Drop Database If Exists %1 With (Force)").arg(m_name));
    }
    const QString& name() const { return m_name; }
    QString conninfo() const { return TestDataFolder::testServer() + QStringLiteral(" dbname=") + m_name; }

private:
    QString m_name;
};

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run cli(const QStringList& args, const QString& workDir = QDir::currentPath())
{
    QProcess p;
    p.setWorkingDirectory(workDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PGPASSFILE"), QStringLiteral("/nonexistent/pgpass"));  // no stored password helps
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ZORVEK_CLI), args);
    if (!p.waitForFinished(120000))
        qFatal("zorvek-cli did not finish");
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// Every row of a table of a database file, each as one text, sorted (the order of rows is the
// engine's business; their contents are not).
QStringList fileRows(const QString& path, const QString& table)
{
    TestConnection c(path);
    QSqlQuery q = Db::exec(c.db(), QStringLiteral("Select * From ") + table);
    QStringList rows;
    while (q.next()) {
        QStringList values;
        for (int i = 0; i < q.record().count(); ++i) {
            const QVariant v = q.value(i);
            values << (v.isNull() ? QStringLiteral("<NULL>")
                       : v.metaType().id() == QMetaType::QByteArray ? QString::fromLatin1(v.toByteArray().toHex())
                                                                    : v.toString());
        }
        rows << values.join(QChar(0x1f));
    }
    rows.sort();
    return rows;
}

// The unit's tables of every file of a data folder (the working tables of the last exam aside).
QList<std::pair<QString, QString>> unitTables()
{
    QList<std::pair<QString, QString>> list;
    for (const Schema::TableStatement& t : Schema::mainDatabaseTables()) {
        if (!Schema::isWorkingTable(t.table))
            list.append({AppInfo::MainDatabaseFile, t.table});
    }
    for (const QString& bank : Categories::bankFiles()) {
        for (int s = 1; s <= Categories::SectionCount; ++s)
            list.append({bank, Categories::sectionTableName(s)});
    }
    return list;
}

qint64 count(const QSqlDatabase& db, const QString& table)
{
    return Db::scalar(db, QStringLiteral("Select Count(*) From ") + table).toLongLong();
}

// A login role that is a member of `group`, made for this test run (roles belong to the whole cluster).
QString makeLogin(const QString& group)
{
    const QString name = unique(QStringLiteral("zl_"));
    Connection c(QStringLiteral("postgres"));
    Db::exec(c.db(), QStringLiteral("Create Role %1 Login In Role %2").arg(name, group));
    return name;
}

// How a refusal of the server reaches the user.
QString refusal(const std::function<void()>& step)
{
    try {
        step();
    } catch (const DbError& e) {
        return e.message();
    }
    return QString();
}

} // namespace

class TestServer : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void initPushAndPullRoundTrip();
    void pushIsOneTransaction();
    void rolesAreEnforcedByTheServer();
    void connectionFaults_data();
    void connectionFaults();

private:
    QStringList m_logins;
};

void TestServer::initTestCase()
{
    QVERIFY2(TestDataFolder::onServer(), "ZORVEK_TEST_SERVER must name the test cluster");
    Connection c(QStringLiteral("postgres"));  // fails the test when the cluster is not running
}

void TestServer::cleanupTestCase()
{
    Connection c(QStringLiteral("postgres"));
    for (const QString& login : m_logins)
        Db::exec(c.db(), QStringLiteral("Drop Role If Exists %1").arg(login));
}

void TestServer::initPushAndPullRoundTrip()
{
    QTemporaryDir work;
    const QString source = work.filePath(QStringLiteral("source"));
    DemoData::create(source);
    EmptyDatabase database;
    const QStringList server{QStringLiteral("--server"), database.conninfo()};

    Run r = cli(server + QStringList{QStringLiteral("server"), QStringLiteral("init")});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    r = cli(QStringList{QStringLiteral("server"), QStringLiteral("init")} + server);
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(QStringLiteral("уже подготовлена")), qPrintable(r.err));

    QCOMPARE(cli(server + QStringList{QStringLiteral("server"), QStringLiteral("add-station"), QStringLiteral("Kab1")}).status, 0);
    r = cli(server + QStringList{QStringLiteral("server"), QStringLiteral("add-station"), QStringLiteral("kab1")});
    QVERIFY2(r.status == 1 && r.err.contains(QStringLiteral("уже заведена")), qPrintable(r.err));
    r = cli(server + QStringList{QStringLiteral("server"), QStringLiteral("add-station"), QStringLiteral("x\";drop schema main;--")});
    QVERIFY2(r.status == 1 && r.err.contains(QStringLiteral("не подходит")), qPrintable(r.err));
    {
        Connection c(database.name());
        QCOMPARE(ServerAdmin::stations(c.db()), QStringList{QStringLiteral("kab1")});
    }

    r = cli(server + QStringList{QStringLiteral("server"), QStringLiteral("push"), source});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QVERIFY2(r.out.contains(QStringLiteral("main.Журнал_All")), qPrintable(r.out));
    // A second copy would mix two folders: refused.
    r = cli(server + QStringList{QStringLiteral("server"), QStringLiteral("push"), source});
    QVERIFY2(r.status == 1 && r.err.contains(QStringLiteral("уже есть данные")), qPrintable(r.err));

    const QString pulled = work.filePath(QStringLiteral("pulled"));
    r = cli(server + QStringList{QStringLiteral("server"), QStringLiteral("pull"), pulled});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    for (const auto& [file, table] : unitTables())
        QCOMPARE(fileRows(QDir(pulled).filePath(file), table), fileRows(QDir(source).filePath(file), table));
    // The copy is a data folder the program works in.
    r = cli({QStringLiteral("check")}, pulled);
    QVERIFY2(r.status == 0, qPrintable(r.out + r.err));

    // Never over a file: refused, the folder as it was.
    const QByteArray before = fileChecksum(QDir(pulled).filePath(AppInfo::MainDatabaseFile));
    r = cli(server + QStringList{QStringLiteral("server"), QStringLiteral("pull"), pulled});
    QVERIFY2(r.status == 1 && r.err.contains(QStringLiteral("не перезаписываются")), qPrintable(r.err));
    QCOMPARE(fileChecksum(QDir(pulled).filePath(AppInfo::MainDatabaseFile)), before);
    QCOMPARE(QDir(pulled).entryList(QDir::Files).size(), 10);
}

void TestServer::pushIsOneTransaction()
{
    QTemporaryDir work;
    DemoData::create(work.path());
    // The last bank has a column the server does not know: found after every other table was copied.
    {
        TestConnection c(work.filePath(Categories::bankFileForPosition(8)));
        Db::exec(c.db(), QStringLiteral("Alter Table Раздел_9 Add Column Лишний Text"));
    }
    EmptyDatabase database;
    const QStringList server{QStringLiteral("--server"), database.conninfo()};
    QCOMPARE(cli(server + QStringList{QStringLiteral("server"), QStringLiteral("init")}).status, 0);
    const Run r = cli(server + QStringList{QStringLiteral("server"), QStringLiteral("push"), work.path()});
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(QStringLiteral("Лишний")), qPrintable(r.err));
    Connection c(database.name());
    for (const QString& table : {QStringLiteral("main.Персонал"), QStringLiteral("main.Журнал_All"), QStringLiteral("bank_1.Раздел_1")})
        QCOMPARE(count(c.db(), table), 0);
}

void TestServer::rolesAreEnforcedByTheServer()
{
    TestDataFolder data;
    QVERIFY(data.isValid());
    const QString station = makeLogin(ServerNames::StationRole);
    const QString operator_ = makeLogin(ServerNames::OperatorRole);
    const QString maintainer = makeLogin(ServerNames::MaintainerRole);
    m_logins << station << operator_ << maintainer;
    const Db::ServerPlacement mainTables{ServerNames::stationSchema(QStringLiteral("test")), ServerNames::MainSchema, QString()};

    Connection asStation(data.database(), station);
    ServerConnection::place(asStation.db(), mainTables);
    const QSqlDatabase& st = asStation.db();
    const qint64 journal = count(st, Schema::GurnalAll);
    QVERIFY(journal > 0);
    // Plain SQL: the journal can be added to, never changed or emptied.
    QString message = refusal([&] { Db::exec(st, QStringLiteral("Update Журнал_All Set Оценка = ?"), {QStringLiteral("Отлично")}); });
    QVERIFY2(message.contains(QStringLiteral("нет права")), qPrintable(message));
    message = refusal([&] { Db::exec(st, QStringLiteral("Delete From Журнал_All")); });
    QVERIFY2(message.contains(QStringLiteral("нет права")), qPrintable(message));
    QVERIFY(!refusal([&] { Db::exec(st, QStringLiteral("Truncate Журнал_All")); }).isEmpty());
    Db::exec(st, QStringLiteral("Insert Into Журнал_All (ФИО) Values (?)"), {QStringLiteral("Новая запись")});
    QCOMPARE(count(st, Schema::GurnalAll), journal + 1);
    QCOMPARE(Db::scalar(st, QStringLiteral("Select Count(*) From Журнал_All Where Оценка Is Null And ФИО <> ?"),
                        {QStringLiteral("Новая запись")}).toInt(), 0);
    // Of the staff a station writes the exam day only.
    QVERIFY(!refusal([&] { Db::exec(st, QStringLiteral("Update Персонал Set Фамилия_Имя_Отчество = ? Where Код = 1"), {QStringLiteral("x")}); }).isEmpty());
    Db::exec(st, QStringLiteral("Update Персонал Set Дата_сдачи_экзамена = ? Where Код = 1"), {QStringLiteral("2026-12-09")});

    Connection asOperator(data.database(), operator_);
    ServerConnection::place(asOperator.db(), mainTables);
    Db::exec(asOperator.db(), QStringLiteral("Update Персонал Set Стаж = ? Where Код = 1"), {QStringLiteral("5 лет")});
    QVERIFY(!refusal([&] { Db::exec(asOperator.db(), QStringLiteral("Delete From Журнал_All")); }).isEmpty());
    QVERIFY(!refusal([&] { Db::exec(asOperator.db(), QStringLiteral("Update Критерии_оценки Set Отлично = 0")); }).isEmpty());

    // A station sits a whole exam: its working tables made anew, the journal row added.
    Run r = cli({QStringLiteral("exam"), QStringLiteral("--worker"), QStringLiteral("1"), QStringLiteral("--server"),
                 TestDataFolder::testServer() + QStringLiteral(" dbname=") + data.database() + QStringLiteral(" user=") + station,
                 QStringLiteral("--station"), QStringLiteral("test")});
    QVERIFY2(r.status == 0, qPrintable(r.err));
    QCOMPARE(count(st, Schema::GurnalAll), journal + 2);

    // The banks: a station may not import, a maintainer may.
    QuestionFile::Question q;
    q.text = QStringLiteral("Вопрос");
    q.answers[0] = {QStringLiteral("Да"), QStringLiteral("Верно")};
    q.answers[1] = {QStringLiteral("Нет"), QStringLiteral("Неверно")};
    const Db::ServerPlacement bank{mainTables.stationSchema, ServerNames::bankSchema(0), QString()};
    Connection stationBank(data.database(), station);
    ServerConnection::place(stationBank.db(), bank);
    const qint64 section = count(stationBank.db(), QStringLiteral("Раздел_3"));
    message = refusal([&] { SectionImport::replaceSection(stationBank.db(), QStringLiteral("Раздел_3"), {q}, {}, true); });
    QVERIFY2(message.contains(QStringLiteral("нет права")), qPrintable(message));
    QCOMPARE(count(stationBank.db(), QStringLiteral("Раздел_3")), section);
    Connection maintainerBank(data.database(), maintainer);
    ServerConnection::place(maintainerBank.db(), bank);
    QVERIFY(SectionImport::replaceSection(maintainerBank.db(), QStringLiteral("Раздел_3"), {q, q}, {}, true));
    // The new section is the bank's, and the stations read it.
    QCOMPARE(count(stationBank.db(), QStringLiteral("Раздел_3")), 2);
    QCOMPARE(count(stationBank.db(), QStringLiteral("bank_1.Раздел_3")), 2);
}

void TestServer::connectionFaults_data()
{
    QTest::addColumn<QString>("server");   // after the cluster's host and port; %1: the database
    QTest::addColumn<QString>("station");
    QTest::addColumn<QString>("words");
    QTest::newRow("wrong password") << "dbname=%1 user=zorvek_pw password=неверный" << "test" << "не принял пароль";
    QTest::newRow("no password") << "dbname=%1 user=zorvek_pw" << "test" << "требует пароль";
    QTest::newRow("unknown host") << "host=zorvek-nosuch.invalid dbname=%1" << "test" << "не найден";
    QTest::newRow("missing database") << "dbname=%1_nosuch" << "test" << "нет базы данных";
    QTest::newRow("database without the layout") << "empty" << "test" << "нет таблиц программы";
    QTest::newRow("station not added") << "dbname=%1" << "nosuch" << "не заведена";
    QTest::newRow("malformed string") << "dbname=%1 'unclosed" << "test" << "записана неверно";
}

void TestServer::connectionFaults()
{
    QFETCH(QString, server);
    QFETCH(QString, station);
    QFETCH(QString, words);
    TestDataFolder data;
    QVERIFY(data.isValid());
    EmptyDatabase empty;
    {
        // A login that must give its password (the cluster asks this role, and only it, for one).
        Connection c(QStringLiteral("postgres"));
        Db::exec(c.db(), QStringLiteral("DO $$ BEGIN CREATE ROLE zorvek_pw LOGIN; EXCEPTION WHEN duplicate_object "
                                        "OR unique_violation THEN NULL; END $$"));
        Db::Transaction tx(c.db());
        Db::exec(c.db(), QStringLiteral("Select pg_catalog.set_config('zorvek.password', ?, true)"), {QStringLiteral("верный")});
        Db::exec(c.db(), QStringLiteral("DO $$ BEGIN EXECUTE pg_catalog.format('ALTER ROLE zorvek_pw PASSWORD %L', "
                                        "pg_catalog.current_setting('zorvek.password')); END $$"));
        Db::exec(c.db(), QStringLiteral("Grant zorvek_station To zorvek_pw"));
        tx.commit();
    }
    const QString conninfo = server == QLatin1String("empty") ? empty.conninfo()
                                                              : TestDataFolder::testServer() + QLatin1Char(' ') + server.arg(data.database());
    qint64 journal = 0;
    {
        TestConnection c(data.filePath(AppInfo::MainDatabaseFile));
        journal = count(c.db(), Schema::GurnalAll);
    }
    QTemporaryDir desk;
    const Run r = cli({QStringLiteral("--server"), conninfo, QStringLiteral("--station"), station, QStringLiteral("exam"),
                       QStringLiteral("--worker"), QStringLiteral("1")},
                      desk.path());
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(words), qPrintable(r.err));
    // Nothing written: the journal as it was, the empty database still empty, no file made.
    TestConnection c(data.filePath(AppInfo::MainDatabaseFile));
    QCOMPARE(count(c.db(), Schema::GurnalAll), journal);
    Connection e(empty.name());
    QCOMPARE(ServerAdmin::emptinessProblem(e.db()), QString());
    QCOMPARE(QDir(desk.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList());
}

QTEST_MAIN(TestServer)
#include "test_server.moc"
