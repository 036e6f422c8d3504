// Two programs on one data folder at once: every write lands or is refused with a clear "busy"
// message, nothing is corrupted and no wait is unbounded.
#include "ReliabilitySupport.h"
#include "TestDataFolder.h"
#include "core/Categories.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Reliability;

class TestTwoInstances : public QObject
{
    Q_OBJECT
private slots:
    void examBesideImportOfAnotherCategory();
    void twoImportsOfOneSection();

private:
    static void verifyEnded(QProcess* p, const char* what);
};

void TestTwoInstances::verifyEnded(QProcess* p, const char* what)
{
    QVERIFY2(p->waitForFinished(120000), what);  // bounded: the busy wait gives up by itself
    QCOMPARE(p->exitStatus(), QProcess::NormalExit);
    const QString err = QString::fromUtf8(p->readAllStandardError());
    QVERIFY2(p->exitCode() == 0 || err.contains(QStringLiteral("занята")), qPrintable(QLatin1String(what) + QLatin1String(": ") + err));
}

void TestTwoInstances::examBesideImportOfAnotherCategory()
{
    TestDataFolder data;
    const QString bgd = data.filePath(QStringLiteral("BGD.mdb"));
    // A worker of the last category sits an exam while the first category's bank is imported.
    const QString firstCategory = scalar(bgd, QStringLiteral("Select Название_группы From Группа_по_безопасности Order By Порядковый_номер")).toString();
    const int worker = scalar(bgd, QStringLiteral("Select Код From Персонал Where Категория_специалиста <> ? And Должность <> '' "
                                                  "And Стаж <> '' Order By Код"), {firstCategory}).toInt();
    const QString file = data.filePath(QStringLiteral("big.txt"));
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(importFile(1, 4000, QStringLiteral("параллельно")));
    f.close();
    const int journalBefore = scalar(bgd, QStringLiteral("Select Count(*) From Журнал_All")).toInt();

    QProcess* exam = startCli({QStringLiteral("exam"), QStringLiteral("--worker"), QString::number(worker), QStringLiteral("--reason"),
                               QStringLiteral("Первичная"), QStringLiteral("--pause-ms"), QStringLiteral("10")},
                              data.path(), this);
    QProcess* import = startCli({QStringLiteral("import"), QStringLiteral("--drop-pictures"), QStringLiteral("--category"), firstCategory, QStringLiteral("--section"),
                                 QStringLiteral("1"), file},
                                data.path(), this);
    verifyEnded(exam, "exam");
    verifyEnded(import, "import");
    if (exam->exitCode() == 0)
        QCOMPARE(scalar(bgd, QStringLiteral("Select Count(*) From Журнал_All")).toInt(), journalBefore + 1);
    for (const QString& db : QDir(data.path()).entryList({QStringLiteral("*.mdb")}, QDir::Files))
        QCOMPARE(integrityCheck(data.filePath(db)), QStringLiteral("ok"));
}

void TestTwoInstances::twoImportsOfOneSection()
{
    TestDataFolder data;
    const QString bgd = data.filePath(QStringLiteral("BGD.mdb"));
    const QString category = scalar(bgd, QStringLiteral("Select Название_группы From Группа_по_безопасности Order By Порядковый_номер")).toString();
    const QString bank = data.filePath(Categories::bankFileForPosition(0));
    QStringList files;
    for (const QString& tag : {QStringLiteral("A"), QStringLiteral("B")}) {
        files << data.filePath(tag + QStringLiteral(".txt"));
        QFile f(files.last());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(importFile(3, 3000, tag));
    }
    // The section each file gives on its own.
    QHash<QString, QByteArray> expected;
    for (const QString& file : files) {
        const RunResult r = runCli({QStringLiteral("import"), QStringLiteral("--drop-pictures"), QStringLiteral("--category"), category, QStringLiteral("--section"),
                                    QStringLiteral("3"), file},
                                   data.path());
        QCOMPARE(r.exitCode, 0);
        expected[file] = tableDigest(bank, QStringLiteral("Раздел_3"));
    }
    for (int round = 0; round < 3; ++round) {
        QProcess* a = startCli({QStringLiteral("import"), QStringLiteral("--drop-pictures"), QStringLiteral("--category"), category, QStringLiteral("--section"),
                                QStringLiteral("3"), files[0]},
                               data.path(), this);
        QProcess* b = startCli({QStringLiteral("import"), QStringLiteral("--drop-pictures"), QStringLiteral("--category"), category, QStringLiteral("--section"),
                                QStringLiteral("3"), files[1]},
                               data.path(), this);
        verifyEnded(a, "first import");
        verifyEnded(b, "second import");
        QCOMPARE(integrityCheck(bank), QStringLiteral("ok"));
        const QByteArray now = tableDigest(bank, QStringLiteral("Раздел_3"));
        QVERIFY(now == expected[files[0]] || now == expected[files[1]]);
        delete a;
        delete b;
    }
}

QTEST_MAIN(TestTwoInstances)
#include "test_two_instances.moc"
