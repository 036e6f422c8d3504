// zorvek-cli import, export and check, run as a program in a copy of the demo data: the exit
// status, what is printed, and the bank left untouched whenever the import cannot finish.
#include "TestDataFolder.h"
#include "core/Categories.h"
#include "data/Db.h"
#include "data/demo/DemoData.h"

#include <QFile>
#include <QProcess>
#include <QTest>

namespace {

struct Run
{
    int status;
    QString out;
    QString err;
};

Run cli(const QStringList& args)
{
    QProcess p;
    p.setWorkingDirectory(QDir::currentPath());
    p.start(QStringLiteral(ZORVEK_CLI), args);
    if (!p.waitForFinished(60000))
        qFatal("zorvek-cli did not finish");
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QString writeFile(const TestDataFolder& data, const QString& name, const QByteArray& bytes)
{
    QFile f(data.filePath(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
    return f.fileName();
}

} // namespace

class TestImportCli : public QObject
{
    Q_OBJECT
private slots:
    void importPrintsCountAndDiagnostics();
    void importFailuresChangeNothing();
    void exportThenImportThenCheck();
    void checkReportsAPlantedGap();
};

void TestImportCli::importPrintsCountAndDiagnostics()
{
    TestDataFolder data;
    const QString category = DemoData::categoryNames().at(0);
    // Two questions, then a third cut off after its first flag line.
    const QByteArray text =
        "T\r\n9.1. q\r\n\xCE\xF2\xE2.1. a\r\n\xC2\xE5\xF0\xED\xEE\r\n\xCE\xF2\xE2.2. b\r\n"
        "\xCD\xE5\xE2\xE5\xF0\xED\xEE\r\n9.2. r\r\n\xCE\xF2\xE2.1. c\r\n\xC2\xE5\xF0\xED\xEE\r\n"
        "\xCE\xF2\xE2.2. d\r\n\xC2\xE5\xF0\xED\xEE\r\n9.3. s\r\n\xCE\xF2\xE2.1. "
        "e\r\n\xC2\xE5\xF0\xED\xEE\r\n";
    const QString file = writeFile(data, QStringLiteral("q.txt"), text);
    const Run r = cli({QStringLiteral("import"), QStringLiteral("--category"), category,
                       QStringLiteral("--section"), QStringLiteral("9"), file});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.out.contains(QStringLiteral("Записано вопросов: 2")), qPrintable(r.out));
    QCOMPARE(r.err.count(QStringLiteral("Ошибка превышения границ")), 1);
    QVERIFY2(r.err.contains(QStringLiteral("строка 12: Ошибка превышения границ")), qPrintable(r.err));
}

void TestImportCli::importFailuresChangeNothing()
{
    TestDataFolder data;
    const QString category = DemoData::categoryNames().at(1);
    const QString bank = data.filePath(Categories::bankFileForPosition(1));
    const QByteArray before = fileChecksum(bank);
    const QStringList base{QStringLiteral("import"), QStringLiteral("--category"), category,
                           QStringLiteral("--section"), QStringLiteral("2")};

    Run r = cli(base + QStringList{data.filePath(QStringLiteral("нет.txt"))});
    QCOMPARE(r.status, 1);
    QVERIFY(r.err.contains(QStringLiteral("не найден")));

    r = cli(base + QStringList{writeFile(data, QStringLiteral("пусто.txt"), "T\r\n")});
    QCOMPARE(r.status, 1);
    QVERIFY(r.err.contains(QStringLiteral("не найдено ни одного вопроса")));

    r = cli({QStringLiteral("import"), QStringLiteral("--category"), category, QStringLiteral("--section"),
             QStringLiteral("0"), QStringLiteral("x.txt")});
    QCOMPARE(r.status, 1);

    // Another program holds the bank for writing: the import is refused and changes nothing.
    const QString good =
        writeFile(data, QStringLiteral("good.txt"),
                  "T\r\n2.1. q\r\n\xCE\xF2\xE2.1. a\r\n\xC2\xE5\xF0\xED\xEE\r\n\xCE\xF2\xE2.2. b\r\n"
                  "\xC2\xE5\xF0\xED\xEE\r\n");
    {
        // A file is held whole by its writer; on the server the section is held by one who reads it.
        TestConnection holder(bank);
        Db::Transaction tx(holder.db());
        if (TestDataFolder::onServer())
            Db::exec(holder.db(), QStringLiteral("Lock Table Раздел_2 In Share Mode"));
        r = cli(base + QStringList{good});
    }
    QCOMPARE(r.status, 1);
    QCOMPARE(fileChecksum(bank), before);

    r = cli(base + QStringList{good});
    QCOMPARE(r.status, 0);
    QVERIFY(fileChecksum(bank) != before);
}

void TestImportCli::exportThenImportThenCheck()
{
    TestDataFolder data;
    const QString category = DemoData::categoryNames().at(3);
    const QString out = data.filePath(QStringLiteral("раздел.txt"));
    Run r = cli({QStringLiteral("export"), QStringLiteral("--category"), category,
                 QStringLiteral("--section"), QStringLiteral("Раздел_5"), out});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.err.contains(QStringLiteral("Выгружено вопросов: 12")), qPrintable(r.err));

    // Without a file name the section goes to standard output, byte for byte the same.
    QProcess p;
    p.start(QStringLiteral(ZORVEK_CLI), {QStringLiteral("export"), QStringLiteral("--category"), category,
                                         QStringLiteral("--section"), QStringLiteral("5")});
    QVERIFY(p.waitForFinished(60000));
    QFile f(out);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(p.readAllStandardOutput(), f.readAll());

    r = cli({QStringLiteral("import"), QStringLiteral("--category"), category, QStringLiteral("--section"),
             QStringLiteral("5"), out});
    QCOMPARE(r.status, 0);
    r = cli({QStringLiteral("check")});
    QVERIFY2(r.status == 0, qPrintable(r.out));
    QVERIFY(r.out.isEmpty());
}

void TestImportCli::checkReportsAPlantedGap()
{
    TestDataFolder data;
    {
        TestConnection c(data.filePath(Categories::bankFileForPosition(2)));
        Db::exec(c.db(), QStringLiteral("Delete From Раздел_1 Where Индекс = 5"));
    }
    const Run r = cli({QStringLiteral("check")});
    QCOMPARE(r.status, 1);
    QVERIFY2(
        r.out.contains(
            QStringLiteral("«%1», Раздел_1: пропущен номер Индекс 5").arg(DemoData::categoryNames().at(2))),
        qPrintable(r.out));
}

QTEST_MAIN(TestImportCli)
#include "test_import_cli.moc"
