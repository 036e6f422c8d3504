// A data folder on a disk that fills up (a small tmpfs): an import and an exam give a clear
// message, their transaction is rolled back and the earlier data stay intact; a document that
// does not fit leaves the earlier one as it was and says why.
#include "ReliabilitySupport.h"
#include "TestDataFolder.h"
#include "core/Categories.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Reliability;

class TestFullDisk : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void importOnFullDiskChangesNothing();
    void examOnFullDiskEntersNothing();
    void documentOnFullDiskKeepsTheEarlierOne();

private:
    // Leaves about `freeBytes` free on the small disk.
    void fillUpTo(qint64 freeBytes);

    QTemporaryDir m_mountPoint;
    bool m_mounted = false;
    QString m_category;
};

void TestFullDisk::initTestCase()
{
    TestDataFolder data;  // demo data to copy onto the small disk
    QVERIFY(data.isValid());
    const int rc = QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                                               QStringLiteral("size=24m"), QStringLiteral("tmpfs"), m_mountPoint.path()});
    if (rc != 0)
        QSKIP("a small tmpfs cannot be mounted here (needs root)");
    m_mounted = true;
    for (const QString& f : QDir(data.path()).entryList({QStringLiteral("*.mdb")}, QDir::Files))
        QVERIFY(QFile::copy(data.filePath(f), m_mountPoint.filePath(f)));
    m_category = scalar(m_mountPoint.filePath(QStringLiteral("BGD.mdb")),
                        QStringLiteral("Select Название_группы From Группа_по_безопасности Order By Порядковый_номер")).toString();
}

void TestFullDisk::cleanupTestCase()
{
    if (m_mounted)
        QProcess::execute(QStringLiteral("umount"), {m_mountPoint.path()});
}

void TestFullDisk::fillUpTo(qint64 freeBytes)
{
    QFile filler(m_mountPoint.filePath(QStringLiteral("filler.bin")));
    QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Truncate));
    filler.close();
    QStorageInfo disk(m_mountPoint.path());
    const qint64 toWrite = disk.bytesAvailable() - freeBytes;
    QVERIFY(filler.open(QIODevice::WriteOnly));
    const QByteArray chunk(64 * 1024, 'x');
    for (qint64 written = 0; written < toWrite; written += chunk.size())
        filler.write(chunk.constData(), qMin<qint64>(chunk.size(), toWrite - written));
    filler.close();
}

void TestFullDisk::importOnFullDiskChangesNothing()
{
    const QString bank = m_mountPoint.filePath(Categories::bankFileForPosition(0));
    const QByteArray before = tableDigest(bank, QStringLiteral("Раздел_4"));
    // The import file itself lies elsewhere; the disk keeps 64 KB free.
    QTemporaryDir elsewhere;
    QFile f(elsewhere.filePath(QStringLiteral("big.txt")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(importFile(4, 6000, QStringLiteral("диск")));
    f.close();
    fillUpTo(64 * 1024);
    const RunResult r = runCli({QStringLiteral("import"), QStringLiteral("--drop-pictures"), QStringLiteral("--category"), m_category, QStringLiteral("--section"),
                                QStringLiteral("4"), f.fileName()},
                               m_mountPoint.path());
    QVERIFY2(!r.crashed && !r.timedOut, qPrintable(r.err));
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QStringLiteral("места на диске")), qPrintable(r.err));
    QFile::remove(m_mountPoint.filePath(QStringLiteral("filler.bin")));
    QCOMPARE(integrityCheck(bank), QStringLiteral("ok"));
    QCOMPARE(tableDigest(bank, QStringLiteral("Раздел_4")), before);
}

void TestFullDisk::examOnFullDiskEntersNothing()
{
    const QString bgd = m_mountPoint.filePath(QStringLiteral("BGD.mdb"));
    const int worker = scalar(bgd, QStringLiteral("Select Код From Персонал Where Категория_специалиста = ? And Должность <> '' "
                                                  "And Стаж <> '' Order By Код"), {m_category}).toInt();
    const QByteArray journal = tableDigest(bgd, QStringLiteral("Журнал_All"));
    fillUpTo(0);
    const RunResult r = runCli({QStringLiteral("exam"), QStringLiteral("--worker"), QString::number(worker), QStringLiteral("--reason"),
                                QStringLiteral("Первичная")},
                               m_mountPoint.path());
    QVERIFY2(!r.crashed && !r.timedOut, qPrintable(r.err));
    QFile::remove(m_mountPoint.filePath(QStringLiteral("filler.bin")));
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QStringLiteral("места на диске")), qPrintable(r.err));
    for (const QString& db : QDir(m_mountPoint.path()).entryList({QStringLiteral("*.mdb")}, QDir::Files))
        QCOMPARE(integrityCheck(m_mountPoint.filePath(db)), QStringLiteral("ok"));
    QCOMPARE(tableDigest(bgd, QStringLiteral("Журнал_All")), journal);
}

void TestFullDisk::documentOnFullDiskKeepsTheEarlierOne()
{
    const QString document = m_mountPoint.filePath(QStringLiteral("Журнал.docx"));
    QFile earlier(document);
    QVERIFY(earlier.open(QIODevice::WriteOnly));
    earlier.write("прежний журнал");
    earlier.close();
    fillUpTo(0);
    const RunResult r = runCli({QStringLiteral("journal"), QStringLiteral("--out"), document}, m_mountPoint.path());
    QFile::remove(m_mountPoint.filePath(QStringLiteral("filler.bin")));
    QVERIFY2(!r.crashed && !r.timedOut, qPrintable(r.err));
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QStringLiteral("не хватает места")) && r.err.contains(document), qPrintable(r.err));
    QVERIFY(earlier.open(QIODevice::ReadOnly));
    QCOMPARE(earlier.readAll(), QByteArray("прежний журнал"));
}

QTEST_MAIN(TestFullDisk)
#include "test_full_disk.moc"
