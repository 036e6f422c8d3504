// The data store: engine adapter, checked file opening, the data module and the demo data.
#include "TestDataFolder.h"
#include "core/Categories.h"
#include "core/Global.h"
#include "core/exam/ExamGrading.h"
#include "core/server/ServerNames.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/TfrmADODataModule.h"
#include "data/demo/DemoData.h"

#include <QElapsedTimer>
#include <functional>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>
#include <QUuid>
#include <memory>

namespace {

// A fresh SQLite file created outside the program's own opening (which never creates files).
QString makeDatabaseFile(const QString& path, const QStringList& statements = {})
{
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
        Db::exec(db, QStringLiteral("PRAGMA user_version = 1"));  // an untouched SQLite file stays empty
        for (const QString& s : statements)
            Db::exec(db, s);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return path;
}

class Connection
{
public:
    explicit Connection(const QString& path)
    {
        m_name = QUuid::createUuid().toString();
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        Db::openDatabaseFile(m_db, path);
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

// An empty database of its own on the engine of this run: a new SQLite file, or on the server a
// schema of its own in a database of its own.
class Scratch
{
public:
    explicit Scratch(const QStringList& statements = {})
    {
        if (TestDataFolder::onServer()) {
            m_folder = std::make_unique<TestDataFolder>();
            m_first = open();
            Db::exec(db(), QStringLiteral("Create Schema scratch"));
            usePath(db());
        } else {
            m_path = makeDatabaseFile(m_dir.filePath(QStringLiteral("x.mdb")));
            m_first = open();
        }
        for (const QString& s : statements)
            Db::exec(db(), s);
    }
    QSqlDatabase& db() { return m_first->db(); }
    // Another connection to the same database.
    std::unique_ptr<TestConnection> open()
    {
        auto c = std::make_unique<TestConnection>(m_folder ? m_folder->filePath(QStringLiteral("BGD.mdb")) : m_path);
        if (m_folder && m_first)
            usePath(c->db());
        return c;
    }

private:
    static void usePath(const QSqlDatabase& db)
    {
        Db::exec(db, QStringLiteral("Select pg_catalog.set_config('search_path', 'scratch', false)"));
        Db::ServerPlacement p = Db::serverPlacement(db);
        p.stationSchema.clear();
        p.homeSchema = QStringLiteral("scratch");
        Db::setServerPlacement(db, p);
    }
    QTemporaryDir m_dir;
    QString m_path;
    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<TestConnection> m_first;
};

// The 0-based category position of the bank the data module's bank connection is on.
int bankOf(const TfrmADODataModule& dm)
{
    if (TestDataFolder::onServer())
        return Db::serverPlacement(dm.ADOConnection).homeSchema.mid(5).toInt() - 1;
    return int(Categories::bankFiles().indexOf(QFileInfo(dm.ADOConnection.databaseName()).fileName()));
}

bool eligible(const QString& question, const QString& system)
{
    const bool a = question.contains(QStringLiteral("а) Участки переменного тока"));
    const bool b = question.contains(QStringLiteral("б) Участки постоянного тока"));
    return (!a && !b) || (a && system == QStringLiteral("переменного тока"))
           || (b && system == QStringLiteral("постоянного тока"));
}

} // namespace

class TestDatabase : public QObject
{
    Q_OBJECT
private slots:
    void identityNumbersRowsAndAcceptsGivenValues();
    void tableListingHasUserTablesOnly();
    void unusableFilesAreRefusedAndLeftUntouched_data();
    void unusableFilesAreRefusedAndLeftUntouched();
    void engineErrorCarriesEngineText();
    void transactionRollsBackOnFailure();
    void secondWriterIsRefusedAsBusy();
    void lockedFileIsBusyNotDamaged();
    void openTableReleasesItsReadLock();
    void quotedNamesRoundTrip();
    void categoryBankByPosition();
    void datesShownAndTakenAsDisplayText();
    void readOnlyTableRefusesEdits();
    void schemaHasBindingColumnOrder();
    void demoDataMeetsExamRequirements();
    void demoNeverOverwrites();
};

void TestDatabase::identityNumbersRowsAndAcceptsGivenValues()
{
    Scratch c;
    Db::exec(c.db(), Schema::createQuestionTable(QStringLiteral("Раздел_1")));
    const QString insert = QStringLiteral("Insert Into Раздел_1 (Вопрос, Ответ_1, Верно_Неверно_1, Ответ_2, Верно_Неверно_2) Values (?, ?, ?, ?, ?)");
    for (int i = 0; i < 3; ++i)
        Db::exec(c.db(), insert, {QStringLiteral("В"), QStringLiteral("а"), QStringLiteral("Верно"), QStringLiteral("б"), QStringLiteral("Неверно")});
    Db::exec(c.db(), QStringLiteral("Insert Into Раздел_1 (Индекс, Вопрос, Ответ_1, Верно_Неверно_1, Ответ_2, Верно_Неверно_2) Values (?, ?, ?, ?, ?, ?)"),
             {10, QStringLiteral("В"), QStringLiteral("а"), QStringLiteral("Верно"), QStringLiteral("б"), QStringLiteral("Неверно")});
    Db::exec(c.db(), insert, {QStringLiteral("В"), QStringLiteral("а"), QStringLiteral("Верно"), QStringLiteral("б"), QStringLiteral("Неверно")});
    QSqlQuery q = Db::exec(c.db(), QStringLiteral("Select Индекс From Раздел_1 Order By Индекс"));
    QList<int> numbers;
    while (q.next())
        numbers << q.value(0).toInt();
    // SQLite goes on after the largest number; the server's own numbering goes on from its last one.
    QCOMPARE(numbers, TestDataFolder::onServer() ? (QList<int>{1, 2, 3, 4, 10}) : (QList<int>{1, 2, 3, 10, 11}));

    // A re-created table numbers from 1 again.
    Schema::recreateTable(c.db(), QStringLiteral("Раздел_1"), Schema::createQuestionTable(QStringLiteral("Раздел_1")));
    Db::exec(c.db(), insert, {QStringLiteral("В"), QStringLiteral("а"), QStringLiteral("Верно"), QStringLiteral("б"), QStringLiteral("Неверно")});
    QCOMPARE(Db::scalar(c.db(), QStringLiteral("Select Max(Индекс) From Раздел_1")).toInt(), 1);

    // Not Null holds.
    QVERIFY_THROWS_EXCEPTION(DbError, Db::exec(c.db(), QStringLiteral("Insert Into Раздел_1 (Вопрос) Values (?)"), {QVariant(QMetaType::fromType<QString>())}));
}

void TestDatabase::tableListingHasUserTablesOnly()
{
    // SQLite keeps its counters and statistics in tables of its own, the server a sequence.
    Scratch c({QStringLiteral("Create Table Выбор (Индекс Int)"),
               TestDataFolder::onServer() ? QStringLiteral("Create Table t (id Int identity, v Int)")
                                          : QStringLiteral("Create Table t (id INTEGER PRIMARY KEY AUTOINCREMENT, v Int)"),
               QStringLiteral("Insert Into t (v) Values (1)"), QStringLiteral("ANALYZE")});
    QStringList names = Db::tableNames(c.db());
    names.sort();
    QCOMPARE(names, (QStringList{QStringLiteral("t"), QStringLiteral("Выбор")}));
    QVERIFY(Db::hasTable(c.db(), QStringLiteral("Выбор")));
    QVERIFY(!Db::hasTable(c.db(), QStringLiteral("выбор")));
}

void TestDatabase::unusableFilesAreRefusedAndLeftUntouched_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("expectedWords");
    QTest::newRow("missing") << "missing" << "не найден";
    QTest::newRow("directory") << "directory" << "папка";
    QTest::newRow("empty") << "empty" << "пуст";
    QTest::newRow("random bytes") << "random" << "не является базой данных";
    QTest::newRow("truncated") << "truncated" << "";
}

void TestDatabase::unusableFilesAreRefusedAndLeftUntouched()
{
    QFETCH(QString, kind);
    QFETCH(QString, expectedWords);
    if (TestDataFolder::onServer())
        QSKIP("database files only; the server's connection faults are checked in test_server");
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("BGD.mdb"));
    if (kind == QLatin1String("directory")) {
        QDir().mkpath(path);
    } else if (kind == QLatin1String("empty")) {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
    } else if (kind == QLatin1String("random")) {
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        QByteArray junk(8192, '\0');
        for (int i = 0; i < junk.size(); ++i)
            junk[i] = char((i * 7919) % 251);
        f.write(junk);
    } else if (kind == QLatin1String("truncated")) {
        QStringList statements{QStringLiteral("Create Table a (x Text)")};
        for (int i = 0; i < 300; ++i)
            statements << QStringLiteral("Insert Into a Values ('%1')").arg(QString(500, QLatin1Char('x')));
        makeDatabaseFile(path, statements);
        QFile f(path);
        f.open(QIODevice::ReadWrite);
        f.resize(f.size() / 3);
    }
    const QByteArray before = fileChecksum(path);
    const QString name = QUuid::createUuid().toString();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        bool refused = false;
        try {
            Db::openDatabaseFile(db, path);
            // A truncated file may pass the header check; reading its table must still fail.
            Db::exec(db, QStringLiteral("Select Count(*) From a")).next();
        } catch (const DbError& e) {
            refused = true;
            QVERIFY2(e.message().contains(QStringLiteral("BGD.mdb")) || kind == QLatin1String("truncated"), qPrintable(e.message()));
            if (!expectedWords.isEmpty())
                QVERIFY2(e.message().contains(expectedWords), qPrintable(e.message()));
        }
        QVERIFY(refused);
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    QCOMPARE(QFileInfo::exists(path), kind != QLatin1String("missing"));  // never created
    QCOMPARE(fileChecksum(path), before);                                 // never written
}

void TestDatabase::engineErrorCarriesEngineText()
{
    Scratch c;
    try {
        Db::exec(c.db(), QStringLiteral("Select * From Нет_такой_таблицы"));
        QFAIL("no error");
    } catch (const DbError& e) {
        QVERIFY2(e.message().contains(QStringLiteral("Нет_такой_таблицы")), qPrintable(e.message()));
        QVERIFY(!e.isBusy());
    }
}

void TestDatabase::transactionRollsBackOnFailure()
{
    Scratch c({QStringLiteral("Create Table a (x Int Not Null)")});
    try {
        Db::Transaction tx(c.db());
        Db::exec(c.db(), QStringLiteral("Insert Into a Values (?)"), {1});
        Db::exec(c.db(), QStringLiteral("Insert Into a Values (?)"), {QVariant(QMetaType::fromType<int>())});
        tx.commit();
        QFAIL("no error");
    } catch (const DbError&) {
    }
    QCOMPARE(Db::scalar(c.db(), QStringLiteral("Select Count(*) From a")).toInt(), 0);
}

void TestDatabase::lockedFileIsBusyNotDamaged()
{
    if (TestDataFolder::onServer())
        QSKIP("database files only; a row held on the server is refused as busy in secondWriterIsRefusedAsBusy");
    TestDataFolder data;
    const auto busy = [](const std::function<void()>& open, const char* what) {
        try {
            open();
            QFAIL(what);
        } catch (const DbError& e) {
            QVERIFY2(e.isBusy(), qPrintable(e.message()));
            QVERIFY2(e.message().startsWith(QStringLiteral("База данных занята")), qPrintable(e.message()));
            QVERIFY2(!e.message().contains(QStringLiteral("повреждён")), qPrintable(e.message()));
        }
    };
    // Another program holds a bank with a write lock (the main database opens the same way).
    TfrmADODataModule dm;
    dm.openMainDatabase(data.path());
    dm.connectCategoryBank(1, data.path());
    Connection holder(data.filePath(Categories::bankFileForPosition(1)));
    Db::exec(holder.db(), QStringLiteral("BEGIN EXCLUSIVE"));
    // A bank already open: its tables are not reported missing.
    busy([&] { Db::hasTable(dm.ADOConnection, QStringLiteral("Раздел_1")); }, "tables listed");
    busy([&] { dm.connectCategoryBank(1, data.path()); }, "bank opened");
    Db::exec(holder.db(), QStringLiteral("ROLLBACK"));
    dm.connectCategoryBank(1, data.path());
    QVERIFY(Db::hasTable(dm.ADOConnection, QStringLiteral("Раздел_1")));
}

void TestDatabase::secondWriterIsRefusedAsBusy()
{
    Scratch scratch({QStringLiteral("Create Table a (x Int)"), QStringLiteral("Insert Into a Values (0)")});
    const auto first = scratch.open();
    const auto second = scratch.open();
    // A file is held whole by its writer; on the server a row is held by the one who changes it.
    Db::Transaction holding(first->db());
    Db::exec(first->db(), QStringLiteral("Update a Set x = 1"));
    QElapsedTimer timer;
    timer.start();
    try {
        Db::Transaction tx(second->db());
        Db::exec(second->db(), QStringLiteral("Update a Set x = 2"));
        QFAIL("the second writer was not refused");
    } catch (const DbError& e) {
        QVERIFY(e.isBusy());
        QVERIFY2(e.message().contains(QStringLiteral("занят")), qPrintable(e.message()));
    }
    QVERIFY(timer.elapsed() < 3 * Db::BusyTimeoutMs);  // bounded wait
    holding.commit();
    QCOMPARE(Db::scalar(second->db(), QStringLiteral("Select Sum(x) From a")).toInt(), 1);
}

void TestDatabase::openTableReleasesItsReadLock()
{
    TestDataFolder data;
    QVERIFY(data.isValid());
    {
        TestConnection seed(data.filePath(QStringLiteral("BGD.mdb")));
        Db::Transaction tx(seed.db());
        for (int i = 0; i < 1000; ++i)
            Db::exec(seed.db(), QStringLiteral("Insert Into Должность (Название_должности) Values (?)"), {QString::number(i)});
        tx.commit();
    }
    TfrmADODataModule dm;
    dm.openMainDatabase(data.path());
    dm.openTable(dm.ADODolgnosty, Schema::Dolgnost, QStringLiteral("Индекс"));
    QVERIFY(dm.ADODolgnosty->rowCount() > 1000);  // every row read, past the first chunk
    TestConnection other(data.filePath(QStringLiteral("BGD.mdb")));
    QElapsedTimer timer;
    timer.start();
    Db::Transaction tx(other.db());
    Db::exec(other.db(), QStringLiteral("Delete From Должность"));
    tx.commit();  // would wait and fail as busy if the model still held its read
    QVERIFY(timer.elapsed() < Db::BusyTimeoutMs);
}

void TestDatabase::quotedNamesRoundTrip()
{
    TestDataFolder data;
    TfrmADODataModule dm;
    dm.openMainDatabase(data.path());
    const QString odd = QStringLiteral("Категория \"особая\"; Drop Table Персонал;--'");
    Db::exec(dm.ADOConnectionGlb, QStringLiteral("Update Группа_по_безопасности Set Название_группы = ? Where Порядковый_номер = ?"), {odd, 20});
    const QString worker = QStringLiteral("Петров Пётр \"Младший\" O'Нил");
    Db::exec(dm.ADOConnectionGlb, QStringLiteral("Update Персонал Set Фамилия_Имя_Отчество = ?, Категория_специалиста = ? Where Код = ?"), {worker, odd, 1});
    QCOMPARE(dm.categoryPosition(odd), 1);
    QCOMPARE(Db::scalar(dm.ADOConnectionGlb, QStringLiteral("Select Категория_специалиста From Персонал Where Фамилия_Имя_Отчество = ?"), {worker}).toString(), odd);
    dm.connectCategoryBank(odd, data.path());
    QCOMPARE(bankOf(dm), 1);
    QVERIFY(Db::hasTable(dm.ADOConnectionGlb, Schema::Personal));
}

void TestDatabase::categoryBankByPosition()
{
    TestDataFolder data;
    TfrmADODataModule dm;
    dm.openMainDatabase(data.path());
    QCOMPARE(dm.categoryNames(), DemoData::categoryNames());
    for (int p = 0; p < 9; ++p) {
        dm.connectCategoryBank(p, data.path());
        QCOMPARE(bankOf(dm), p);
        if (!TestDataFolder::onServer())
            QCOMPARE(Global::StrConnect, data.path() + Categories::bankFileForPosition(p));
    }
    QVERIFY_THROWS_EXCEPTION(DbError, dm.connectCategoryBank(-1, data.path()));
    QVERIFY_THROWS_EXCEPTION(DbError, dm.connectCategoryBank(9, data.path()));
    QVERIFY_THROWS_EXCEPTION(DbError, dm.connectCategoryBank(QStringLiteral("Нет такой категории"), data.path()));
    // An empty category table finds nothing.
    Db::exec(dm.ADOConnectionGlb, QStringLiteral("Delete From Группа_по_безопасности"));
    QCOMPARE(dm.categoryPosition(DemoData::categoryNames().first()), -1);
    // A missing bank is named in the message and not created.
    const QString missing = TestDataFolder::onServer() ? ServerNames::bankSchema(3) : Categories::bankFileForPosition(3);
    if (TestDataFolder::onServer())
        Db::exec(dm.ADOConnectionGlb, QStringLiteral("Drop Schema bank_4 Cascade"));
    else
        QFile::remove(data.filePath(missing));
    try {
        dm.connectCategoryBank(3, data.path());
        QFAIL("no error");
    } catch (const DbError& e) {
        QVERIFY2(e.message().contains(missing), qPrintable(e.message()));
    }
    QVERIFY(!QFileInfo::exists(data.filePath(Categories::bankFileForPosition(3))));
}

void TestDatabase::datesShownAndTakenAsDisplayText()
{
    TestDataFolder data;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TfrmADODataModule dm;
    dm.openMainDatabase(data.path());
    dm.openTable(dm.ADOPersonal, Schema::Personal, QStringLiteral("Код"));
    const int col = dm.ADOPersonal->column(QStringLiteral("Дата_сдачи_экзамена"));
    QVERIFY(col >= 0);
    const QModelIndex idx = dm.ADOPersonal->index(0, col);
    QVERIFY(dm.ADOPersonal->setData(idx, QStringLiteral("05.03.2026")));
    QCOMPARE(dm.ADOPersonal->data(idx).toString(), QStringLiteral("05.03.2026"));
    QVERIFY(!dm.ADOPersonal->setData(idx, QStringLiteral("32.13.2026")));
    dm.submit(dm.ADOPersonal);
    QCOMPARE(Db::scalar(dm.ADOConnectionGlb, QStringLiteral("Select Дата_сдачи_экзамена From Персонал Order By Код")).toString(),
             QStringLiteral("2026-03-05"));
    QCOMPARE(dm.ADOPersonal->headerData(col, Qt::Horizontal).toString(), QStringLiteral("Дата сдачи экзамена"));
    QLocale::setDefault(QLocale::c());
}

void TestDatabase::readOnlyTableRefusesEdits()
{
    TestDataFolder data;
    TfrmADODataModule dm;
    dm.openMainDatabase(data.path());
    dm.openTable(dm.ADOCriterii, Schema::Criterii, QStringLiteral("Индекс"));
    dm.ADOCriterii->setReadOnly(true);
    QVERIFY(!(dm.ADOCriterii->flags(dm.ADOCriterii->index(0, 1)) & Qt::ItemIsEditable));
    QVERIFY(!dm.ADOCriterii->setData(dm.ADOCriterii->index(0, 1), QStringLiteral("x")));
}

void TestDatabase::schemaHasBindingColumnOrder()
{
    TestDataFolder data;
    TfrmADODataModule dm;
    dm.openMainDatabase(data.path());
    dm.connectCategoryBank(0, data.path());
    for (int s = 1; s <= 9; ++s)
        QCOMPARE(Db::columnNames(dm.ADOConnection, Categories::sectionTableName(s)), Schema::questionColumns());
    QCOMPARE(Db::columnNames(dm.ADOConnection, Schema::VoprosyOtvety), Schema::questionColumns());
    QVERIFY(Db::hasTable(dm.ADOConnection, Schema::Vybor));
    QCOMPARE(Db::columnNames(dm.ADOConnectionGlb, Schema::Gurnal), Schema::journalColumns());
    QCOMPARE(Db::columnNames(dm.ADOConnectionGlb, Schema::GurnalAll), Schema::journalColumns());
    for (const QString& t : {Schema::Gruppa, Schema::Personal, Schema::Criterii, Schema::Procent, Schema::VoprosyToRazdely, Schema::Dolgnost, Schema::Otvety})
        QVERIFY2(Db::hasTable(dm.ADOConnectionGlb, t), qPrintable(t));
    // The journal copy works because both tables have the same columns.
    Db::exec(dm.ADOConnectionGlb, QStringLiteral("Insert InTo Журнал_All Select * From Журнал"));
}

void TestDatabase::demoDataMeetsExamRequirements()
{
    TestDataFolder data;
    TfrmADODataModule dm;
    dm.openMainDatabase(data.path());
    const QStringList names = dm.categoryNames();
    QCOMPARE(names.size(), 9);
    QCOMPARE(names.first(), Categories::AdminCategory);
    for (int p = 0; p < 9; ++p) {
        QSqlQuery c = Db::exec(dm.ADOConnectionGlb, QStringLiteral("Select * From Критерии_оценки Where Категория_специалиста = ?"), {names.at(p)});
        QVERIFY(c.next());
        const QSqlRecord r = c.record();
        int sum = 0;
        dm.connectCategoryBank(p, data.path());
        for (int s = 1; s <= 9; ++s) {
            const int quota = r.value(QStringLiteral("По_разделу_%1").arg(s)).toInt();
            sum += quota;
            if (quota > 0)
                QVERIFY2(Categories::sectionOffered(p + 1, s), qPrintable(QStringLiteral("%1 / %2").arg(p).arg(s)));
            QSqlQuery q = Db::exec(dm.ADOConnection, QStringLiteral("Select Индекс, Вопрос From ") + Categories::sectionTableName(s) + QStringLiteral(" Order By Индекс"));
            int expected = 0, ac = 0, dc = 0;
            while (q.next()) {
                QCOMPARE(q.value(0).toInt(), ++expected);  // 1..N without gaps
                ac += eligible(q.value(1).toString(), QStringLiteral("переменного тока"));
                dc += eligible(q.value(1).toString(), QStringLiteral("постоянного тока"));
            }
            QVERIFY(ac >= quota && dc >= quota);
            QCOMPARE(Db::scalar(dm.ADOConnectionGlb, QStringLiteral("Select Количество_вопросов From Количество_вопросов_по_разделам Where Категория_специалиста = ? And Название_раздела = ?"),
                                {names.at(p), Categories::sectionTableName(s)}).toInt(), expected);
        }
        QCOMPARE(r.value(QStringLiteral("Кол_вопросов")).toInt(), sum);
        QVERIFY(r.value(QStringLiteral("Отлично")).toInt() > r.value(QStringLiteral("Хорошо")).toInt());
        QVERIFY(r.value(QStringLiteral("Хорошо")).toInt() > r.value(QStringLiteral("Удовлетворительно")).toInt());
        QVERIFY(r.value(QStringLiteral("Удовлетворительно")).toInt() > r.value(QStringLiteral("Неудовлетворительно")).toInt());
        QVERIFY(r.value(QStringLiteral("Отлично")).toInt() <= sum);
        // Both systems occur among the category's workers.
        QCOMPARE(Db::scalar(dm.ADOConnectionGlb, QStringLiteral("Select Count(Distinct Система_тока) From Персонал Where Категория_специалиста = ?"), {names.at(p)}).toInt(), 2);
    }
    QVERIFY(Db::scalar(dm.ADOConnectionGlb, QStringLiteral("Select Count(*) From Журнал_All")).toInt() >= 3);
    // Every journal row reads as the exam's grading gives it from the category's criteria.
    QSqlQuery j = Db::exec(dm.ADOConnectionGlb,
                           QStringLiteral("Select j.ФИО, j.Оценка, j.Результат_проверки_знаний, j.Количество_вопросов, "
                                          "j.Количество_верных_ответов, j.Количество_неверных_ответов, c.Кол_вопросов, "
                                          "c.Отлично, c.Хорошо, c.Удовлетворительно, c.Неудовлетворительно "
                                          "From Журнал_All j, Критерии_оценки c "
                                          "Where c.Категория_специалиста = j.Категория_специалиста"));
    int graded = 0;
    while (j.next()) {
        const int right = j.value(4).toInt();
        const ExamGrading::Grade g = ExamGrading::grade(
            right, {j.value(7).toInt(), j.value(8).toInt(), j.value(9).toInt(), j.value(10).toInt()});
        const QString who = j.value(0).toString();
        QCOMPARE(j.value(1).toString() + u'/' + who, g.ocenka + u'/' + who);
        QCOMPARE(j.value(2).toString() + u'/' + who, g.result + u'/' + who);
        QCOMPARE(j.value(3).toInt(), j.value(6).toInt());
        QCOMPARE(right + j.value(5).toInt(), j.value(3).toInt());
        ++graded;
    }
    QCOMPARE(graded, Db::scalar(dm.ADOConnectionGlb, QStringLiteral("Select Count(*) From Журнал_All")).toInt());
    QVERIFY(Db::scalar(dm.ADOConnectionGlb, QStringLiteral("Select Count(*) From Персонал Where Фамилия_Имя_Отчество Like ?"), {QStringLiteral("%\"%")}).toInt() >= 1);
}

void TestDatabase::demoNeverOverwrites()
{
    QTemporaryDir dir;
    const QString bgd = dir.filePath(QStringLiteral("BGD.mdb"));
    QFile f(bgd);
    f.open(QIODevice::WriteOnly);
    f.write("my own file");
    f.close();
    const DemoData::Report report = DemoData::create(dir.path());
    QCOMPARE(report.kept, QStringList{QStringLiteral("BGD.mdb")});
    QCOMPARE(report.created.size(), 9);
    QFile g(bgd);
    g.open(QIODevice::ReadOnly);
    QCOMPARE(g.readAll(), QByteArray("my own file"));
    const DemoData::Report again = DemoData::create(dir.path());
    QCOMPARE(again.created.size(), 0);
    QCOMPARE(again.kept.size(), 10);
}

QTEST_MAIN(TestDatabase)
#include "test_database.moc"
