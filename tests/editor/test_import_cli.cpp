// zorvek-cli import, export and check, run as a program in a copy of the demo data: the exit
// status, what is printed, the bank left untouched whenever the import cannot finish, and every
// demo section given back column for column, pictures included, by export then import.
#include "TestDataFolder.h"
#include "core/Categories.h"
#include "data/Db.h"
#include "data/demo/DemoData.h"

#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlRecord>
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
    void exportThenImportGivesBackEveryDemoSection();
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
    const QStringList import{QStringLiteral("import"),    QStringLiteral("--category"), category,
                             QStringLiteral("--section"), QStringLiteral("9"),          file};
    // Section 9 holds a picture, and the file brings none: refused unless told to drop it.
    const QString bank = data.filePath(Categories::bankFileForPosition(0));
    const QByteArray before = fileChecksum(bank);
    Run r = cli(import);
    QCOMPARE(r.status, 1);
    QVERIFY2(r.err.contains(QStringLiteral("сейчас 1 рисунок")) &&
                 r.err.contains(QStringLiteral("--drop-pictures")),
             qPrintable(r.err));
    QCOMPARE(fileChecksum(bank), before);
    r = cli(QStringList{import.first(), QStringLiteral("--drop-pictures")} + import.mid(1));
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

// Every column of every row of a section, each value with the engine's storage class.
static QList<QVariantList> sectionRows(const QString& bankPath, const QString& section)
{
    QList<QVariantList> rows;
    TestConnection c(bankPath);
    const bool server = SqlDialect::engineOf(c.db()) == SqlDialect::Engine::Postgres;
    QString select;
    for (const QString& column : Db::columnNames(c.db(), section))
        select += (select.isEmpty() ? QString() : QStringLiteral(", ")) + column
                  + (server ? QStringLiteral(", pg_typeof(%1)::text").arg(column) : QStringLiteral(", typeof(%1)").arg(column));
    QSqlQuery q = Db::exec(c.db(), QStringLiteral("Select ") + select + QStringLiteral(" From ") + section +
                                       QStringLiteral(" Order By Индекс"));
    while (q.next()) {
        QVariantList row;
        for (int col = 0; col < q.record().count(); ++col)
            row << q.value(col);
        rows << row;
    }
    return rows;
}

void TestImportCli::exportThenImportGivesBackEveryDemoSection()
{
    TestDataFolder data;
    const QStringList categories = DemoData::categoryNames();
    int sections = 0;
    int pictures = 0;
    QString lastFile;
    for (int p = 0; p < categories.size(); ++p) {
        const QString bank = data.filePath(Categories::bankFileForPosition(p));
        for (int s = 1; s <= Categories::SectionCount; ++s) {
            const QString section = Categories::sectionTableName(s);
            const QList<QVariantList> before = sectionRows(bank, section);
            QVERIFY(!before.isEmpty());
            lastFile = data.filePath(QStringLiteral("к%1 р%2.txt").arg(p).arg(s));
            const QStringList which{QStringLiteral("--category"), categories[p], QStringLiteral("--section"),
                                    QString::number(s)};
            Run r = cli(QStringList{QStringLiteral("export")} + which + QStringList{lastFile});
            QVERIFY2(r.status == 0 && !r.err.contains(QStringLiteral("изменится")), qPrintable(r.err));
            r = cli(QStringList{QStringLiteral("import")} + which + QStringList{lastFile});
            QVERIFY2(r.status == 0, qPrintable(r.err));

            const QList<QVariantList> after = sectionRows(bank, section);
            QCOMPARE(after.size(), before.size());
            for (qsizetype i = 0; i < after.size(); ++i) {
                for (qsizetype c = 0; c < after[i].size(); ++c)
                    QVERIFY2(after[i][c] == before[i][c],
                             qPrintable(QStringLiteral("%1, %2, строка %3, столбец %4")
                                            .arg(categories[p], section)
                                            .arg(i + 1)
                                            .arg(c / 2)));
                pictures += !before[i][4].isNull();
            }
            ++sections;
        }
    }
    QCOMPARE(sections, 81);
    QCOMPARE(pictures, 36);

    // Without a file name the text goes to standard output, byte for byte the same, and the
    // pictures left out are counted.
    QProcess p;
    p.setWorkingDirectory(data.path());
    p.start(QStringLiteral(ZORVEK_CLI),
            {QStringLiteral("export"), QStringLiteral("--category"), categories.last(),
             QStringLiteral("--section"), QStringLiteral("9")});
    QVERIFY(p.waitForFinished(60000));
    QFile f(lastFile);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(p.readAllStandardOutput(), f.readAll());
    QVERIFY(QString::fromUtf8(p.readAllStandardError())
                .contains(QStringLiteral("не выгружено рисунков раздела: 1")));

    const Run r = cli({QStringLiteral("check")});
    QVERIFY2(r.status == 0, qPrintable(r.out));
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
