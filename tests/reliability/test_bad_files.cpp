// Bad database files: missing, empty, random bytes, a truncated copy, a directory, read-only, and
// a table that lacks a column. zorvek-cli and the program say which file is wrong and why, and
// never write to that file.
#include "ReliabilitySupport.h"
#include "TestDataFolder.h"
#include "app/Forms.h"
#include "app/TfrmClassificatorZorvek.h"
#include "core/Categories.h"
#include "ui/Messages.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <unistd.h>

using namespace Reliability;

namespace {

const QString System = QStringLiteral("переменного тока");

// Damages `path` in the named way.
void damage(const QString& path, const QString& kind)
{
    if (kind == QLatin1String("missing")) {
        QFile::remove(path);
    } else if (kind == QLatin1String("empty")) {
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    } else if (kind == QLatin1String("random")) {
        QFile f(path);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        QByteArray junk(64 * 1024, '\0');
        for (int i = 0; i < junk.size(); ++i)
            junk[i] = char((i * 2654435761u) >> 13);
        f.write(junk);
    } else if (kind == QLatin1String("truncated")) {
        QFile f(path);
        f.open(QIODevice::ReadWrite);
        f.resize(f.size() / 2);
    } else if (kind == QLatin1String("directory")) {
        QFile::remove(path);
        QDir().mkpath(path);
    } else if (kind == QLatin1String("readonly")) {
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    }
}

QByteArray snapshot(const QString& path)
{
    return QFileInfo(path).isDir() ? QByteArray("dir") : fileChecksum(path);
}

} // namespace

class TestBadFiles : public QObject
{
    Q_OBJECT
private slots:
    void badFiles_data();
    void badFiles();
    void tableWithoutColumn();
    void programReportsBadMainDatabaseOnce_data();
    void programReportsBadMainDatabaseOnce();
};

void TestBadFiles::badFiles_data()
{
    QTest::addColumn<bool>("mainDatabase");
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"missing", "empty", "random", "truncated", "directory", "readonly"}) {
        QTest::newRow(qPrintable(QStringLiteral("BGD.mdb %1").arg(QLatin1String(kind)))) << true << QString::fromLatin1(kind);
        QTest::newRow(qPrintable(QStringLiteral("bank %1").arg(QLatin1String(kind)))) << false << QString::fromLatin1(kind);
    }
}

void TestBadFiles::badFiles()
{
    QFETCH(bool, mainDatabase);
    QFETCH(QString, kind);
    if (kind == QLatin1String("readonly") && geteuid() == 0)
        QSKIP("root writes read-only files anyway");
    TestDataFolder data;
    QVERIFY(data.isValid());
    const QString category = scalar(data.filePath(QStringLiteral("BGD.mdb")),
                                    QStringLiteral("Select Название_группы From Группа_по_безопасности Order By Порядковый_номер")).toString();
    const QString file = mainDatabase ? QStringLiteral("BGD.mdb") : Categories::bankFileForPosition(0);
    const QString path = data.filePath(file);
    damage(path, kind);
    const QByteArray before = snapshot(path);

    const RunResult r = runCli({QStringLiteral("draw"), QStringLiteral("--category"), category, QStringLiteral("--system"), System},
                               data.path(), 30000);
    QVERIFY2(!r.crashed && !r.timedOut, qPrintable(r.err));
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(file), qPrintable(r.err));
    QCOMPARE(snapshot(path), before);
    QCOMPARE(QFileInfo::exists(path), kind != QLatin1String("missing"));
}

void TestBadFiles::tableWithoutColumn()
{
    TestDataFolder data;
    const QString bgd = data.filePath(QStringLiteral("BGD.mdb"));
    rows(bgd, QStringLiteral("Alter Table Критерии_оценки Drop Column По_разделу_9"));
    const QString category = scalar(bgd, QStringLiteral("Select Название_группы From Группа_по_безопасности Order By Порядковый_номер")).toString();
    const QByteArray before = fileChecksum(bgd);
    const RunResult r = runCli({QStringLiteral("draw"), QStringLiteral("--category"), category, QStringLiteral("--system"), System},
                               data.path(), 30000);
    QVERIFY2(!r.crashed && !r.timedOut, qPrintable(r.err));
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QStringLiteral("По_разделу_9")), qPrintable(r.err));
    QCOMPARE(fileChecksum(bgd), before);
}

void TestBadFiles::programReportsBadMainDatabaseOnce_data()
{
    QTest::addColumn<QString>("kind");
    for (const char* kind : {"missing", "empty", "random", "truncated", "directory"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

void TestBadFiles::programReportsBadMainDatabaseOnce()
{
    QFETCH(QString, kind);
    TestDataFolder data;
    const QString path = data.filePath(QStringLiteral("BGD.mdb"));
    damage(path, kind);
    const QByteArray before = snapshot(path);
    QStringList shown;
    Messages::setHook([&](const Messages::Message& m) {
        shown << m.text;
        return QMessageBox::Ok;
    });
    TfrmClassificatorZorvek* main = Forms::createAll();
    main->FormCreate();
    Messages::setHook({});
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown.first().contains(QStringLiteral("BGD.mdb")), qPrintable(shown.first()));
    QVERIFY(main);  // the main window is there and goes on
    Forms::destroyAll();
    QCOMPARE(snapshot(path), before);
}

QTEST_MAIN(TestBadFiles)
#include "test_bad_files.moc"
