// Power cuts and crashes: zorvek-cli killed with SIGKILL at a random moment of an exam or of an
// import. Nothing that was reported as confirmed may be lost, the journal holds whole rows only,
// a section is either the old or the new one, and every file passes SQLite's integrity check.
#include "ReliabilitySupport.h"
#include "TestDataFolder.h"
#include "core/Categories.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace Reliability;

namespace {

QStringList databaseFiles(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("*.mdb")}, QDir::Files);
}

struct KillOutcome
{
    QString out;             // standard output up to the end or the kill
    bool finished = false;   // ended by itself before the kill
    qint64 ranMs = 0;        // how long it ran
};

// Collects a process's standard output until it ends or `deadlineMs` passes, then kills it.
KillOutcome runAndKillAfter(QProcess* p, int deadlineMs)
{
    KillOutcome r;
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < deadlineMs) {
        if (p->waitForFinished(5)) {
            r.finished = true;
            break;
        }
        r.out += QString::fromUtf8(p->readAllStandardOutput());
    }
    r.ranMs = t.elapsed();
    if (!r.finished) {
        p->kill();  // SIGKILL: no clean-up runs, as in a power cut
        p->waitForFinished(10000);
    }
    r.out += QString::fromUtf8(p->readAllStandardOutput());
    return r;
}

// The kill moments follow the speed of this machine: a run's whole length is learnt from the
// latest run that ended by itself, and each kill lands at a random point from just after the start
// to a little past that length, so the last steps (grading, the journal row) are hit as well; a run
// that ends first does not count as a kill.
class KillClock
{
public:
    explicit KillClock(qint64 wholeRunMs) { ranToEnd(wholeRunMs); }
    int nextDeadline() const
    {
        return int(QRandomGenerator::global()->bounded(qMax<qint64>(5, m_wholeRunMs / 50), m_wholeRunMs * 11 / 10));
    }
    void ranToEnd(qint64 ms) { m_wholeRunMs = qMax<qint64>(20, ms); }

private:
    qint64 m_wholeRunMs = 20;
};

} // namespace

class TestCrash : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void killedExamsLoseNothing();
    void killedImportsLeaveOldOrNewSection();
    void killedBeforeGradingIsGradedAtTheNextStart();

private:
    QString m_categoryForImport;
};

void TestCrash::initTestCase()
{
    QVERIFY2(QFileInfo::exists(cliPath()), qPrintable(cliPath()));
}

void TestCrash::killedExamsLoseNothing()
{
    TestDataFolder data;
    QVERIFY(data.isValid());
    const QString bgd = data.filePath(QStringLiteral("BGD.mdb"));
    const int worker = scalar(bgd, QStringLiteral("Select Код From Персонал Where Должность <> '' And Стаж <> '' "
                                                  "And Фамилия_Имя_Отчество Like ? Order By Код"),
                              {QStringLiteral("%\"%")}).toInt();
    QVERIFY(worker > 0);  // the worker whose name holds a double quote

    const QStringList examArgs{QStringLiteral("exam"), QStringLiteral("--worker"), QString::number(worker),
                               QStringLiteral("--reason"), QStringLiteral("Первичная"), QStringLiteral("--pause-ms"),
                               QStringLiteral("15")};
    QElapsedTimer whole;
    whole.start();
    const RunResult first = runCli(examArgs, data.path());
    QVERIFY2(first.exitCode == 0 && !first.crashed, qPrintable(first.err));
    KillClock clock(whole.elapsed());

    const int n = rounds();
    int kills = 0, lostAnswers = 0, integrityFailures = 0, halfRows = 0, confirmedTotal = 0;
    int round = 0;
    // Rounds go on until `n` runs were killed mid-run (a run that finished first does not count).
    for (; kills < n && round < 4 * n; ++round) {
        const int before = scalar(bgd, QStringLiteral("Select Count(*) From Журнал_All")).toInt();
        QProcess* p = startCli(examArgs + QStringList{QStringLiteral("--seed"), QString::number(round)}, data.path(),
                               this);
        QVERIFY(p->waitForStarted(10000));
        const KillOutcome run = runAndKillAfter(p, clock.nextDeadline());
        const QString& out = run.out;
        if (!run.finished) {
            ++kills;
        } else {
            QCOMPARE(p->exitCode(), 0);
            clock.ranToEnd(run.ranMs);
        }
        delete p;

        QSet<int> confirmed;
        static const QRegularExpression re(QStringLiteral("подтверждён ответ на вопрос (\\d+)"));
        for (auto it = re.globalMatch(out); it.hasNext();)
            confirmed.insert(it.next().captured(1).toInt());
        confirmedTotal += int(confirmed.size());

        for (const QString& f : databaseFiles(data.path())) {
            const QString verdict = integrityCheck(data.filePath(f));
            if (verdict != QLatin1String("ok")) {
                ++integrityFailures;
                qWarning("%s: %s", qPrintable(f), qPrintable(verdict));
            }
        }
        QSet<int> stored;
        for (const QVariantList& r : rows(bgd, QStringLiteral("Select Номер_вопроса From Ответы")))
            stored.insert(r.first().toInt());
        for (int q : std::as_const(confirmed)) {
            if (!stored.contains(q))
                ++lostAnswers;
        }
        const int after = scalar(bgd, QStringLiteral("Select Count(*) From Журнал_All")).toInt();
        // A graded result left behind by an earlier kill is entered when the next exam starts.
        QVERIFY2(after >= before && after <= before + 2, qPrintable(QStringLiteral("%1 -> %2").arg(before).arg(after)));
        halfRows += scalar(bgd, QStringLiteral("Select Count(*) From Журнал_All Where ФИО Is Null Or Оценка Is Null "
                                               "Or Результат_проверки_знаний Is Null Or Количество_вопросов Is Null "
                                               "Or Дата_проверки Is Null")).toInt();
    }
    // After all that, an exam runs normally and enters exactly its own row (plus a recovered one).
    const int before = scalar(bgd, QStringLiteral("Select Count(*) From Журнал_All")).toInt();
    const RunResult last = runCli({QStringLiteral("exam"), QStringLiteral("--worker"), QString::number(worker),
                                   QStringLiteral("--reason"), QStringLiteral("Первичная")},
                                  data.path());
    QVERIFY2(last.exitCode == 0 && !last.crashed, qPrintable(last.err));
    const int after = scalar(bgd, QStringLiteral("Select Count(*) From Журнал_All")).toInt();
    QVERIFY(after == before + 1 || after == before + 2);

    qInfo("exam kills: %d rounds, %d killed mid-run, %d answers reported confirmed, %d lost, %d integrity failures, "
          "%d incomplete journal rows",
          round, kills, confirmedTotal, lostAnswers, integrityFailures, halfRows);
    QCOMPARE(kills, n);
    QCOMPARE(lostAnswers, 0);
    QCOMPARE(integrityFailures, 0);
    QCOMPARE(halfRows, 0);
}

void TestCrash::killedImportsLeaveOldOrNewSection()
{
    TestDataFolder data;
    QVERIFY(data.isValid());
    const QString bgd = data.filePath(QStringLiteral("BGD.mdb"));
    const QString category = scalar(bgd, QStringLiteral("Select Название_группы From Группа_по_безопасности "
                                                       "Order By Порядковый_номер")).toString();
    const QString bank = data.filePath(Categories::bankFileForPosition(0));
    const QString section = QStringLiteral("Раздел_2");

    // Two large files; a full import of each gives the two sections a kill may leave.
    QStringList files;
    for (const QString& tag : {QStringLiteral("A"), QStringLiteral("B")}) {
        const QString path = data.filePath(QStringLiteral("import-%1.txt").arg(tag));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(importFile(2, 4000, tag));
        files << path;
    }
    QHash<QString, QByteArray> digestOf;
    qint64 wholeRunMs = 0;  // the kill clock starts from the second full import
    for (const QString& file : files) {
        QElapsedTimer whole;
        whole.start();
        const RunResult r = runCli({QStringLiteral("import"), QStringLiteral("--drop-pictures"), QStringLiteral("--category"), category,
                                    QStringLiteral("--section"), QStringLiteral("2"), file},
                                   data.path());
        wholeRunMs = whole.elapsed();
        QVERIFY2(r.exitCode == 0, qPrintable(r.err));
        digestOf[file] = tableDigest(bank, section);
    }
    KillClock clock(wholeRunMs);
    QVERIFY(digestOf[files[0]] != digestOf[files[1]]);

    const int n = rounds();
    int kills = 0, mixed = 0, integrityFailures = 0;
    QByteArray current = tableDigest(bank, section);
    int round = 0;
    for (; kills < n && round < 4 * n; ++round) {
        const QString file = files.at(round % 2);
        QProcess* p = startCli({QStringLiteral("import"), QStringLiteral("--drop-pictures"), QStringLiteral("--category"), category,
                                QStringLiteral("--section"), QStringLiteral("2"), file},
                               data.path(), this);
        QVERIFY(p->waitForStarted(10000));
        const KillOutcome run = runAndKillAfter(p, clock.nextDeadline());
        if (run.finished)
            clock.ranToEnd(run.ranMs);
        else
            ++kills;
        delete p;
        const QString verdict = integrityCheck(bank);
        if (verdict != QLatin1String("ok")) {
            ++integrityFailures;
            qWarning("%s", qPrintable(verdict));
        }
        const QByteArray now = tableDigest(bank, section);
        if (now != current && now != digestOf[file])
            ++mixed;
        current = now;
    }
    qInfo("import kills: %d rounds, %d killed mid-run, %d mixed sections, %d integrity failures", round, kills, mixed,
          integrityFailures);
    QCOMPARE(kills, n);
    QCOMPARE(mixed, 0);
    QCOMPARE(integrityFailures, 0);
}

void TestCrash::killedBeforeGradingIsGradedAtTheNextStart()
{
    TestDataFolder data;
    QVERIFY(data.isValid());
    const QString bgd = data.filePath(QStringLiteral("BGD.mdb"));
    const QList<QVariantList> workers = rows(bgd, QStringLiteral("Select Код, Фамилия_Имя_Отчество From Персонал "
                                                                 "Where Должность <> '' And Стаж <> '' Order By Код"));
    QVERIFY(workers.size() >= 2);
    const QString killed = workers.at(0).at(0).toString(), fio = workers.at(0).at(1).toString();
    const int questions = scalar(bgd, QStringLiteral("Select K.Кол_вопросов From Критерии_оценки K, Персонал P "
                                                     "Where Trim(K.Категория_специалиста) = Trim(P.Категория_специалиста) "
                                                     "And P.Код = ?"),
                                 {killed}).toInt();
    QVERIFY(questions > 0);
    auto entries = [&] {
        return scalar(bgd, QStringLiteral("Select Count(*) From Журнал_All Where ФИО = ?"), {fio}).toInt();
    };
    const int before = scalar(bgd, QStringLiteral("Select Count(*) From Журнал_All")).toInt();
    const int beforeOfWorker = entries();

    // The exam pauses after each confirmed answer: the kill lands after the last one, before grading.
    QProcess* p = startCli({QStringLiteral("exam"), QStringLiteral("--worker"), killed, QStringLiteral("--reason"),
                            QStringLiteral("Первичная"), QStringLiteral("--pause-ms"), QStringLiteral("500")},
                           data.path(), this);
    QVERIFY(p->waitForStarted(10000));
    const QString last = QStringLiteral("подтверждён ответ на вопрос %1\n").arg(questions);
    QString out;
    QElapsedTimer t;
    t.start();
    while (!out.contains(last) && t.elapsed() < 60000 && p->state() == QProcess::Running) {
        p->waitForReadyRead(5);
        out += QString::fromUtf8(p->readAllStandardOutput());
    }
    QVERIFY2(out.contains(last), qPrintable(out));
    p->kill();
    p->waitForFinished(10000);
    QCOMPARE(p->exitStatus(), QProcess::CrashExit);
    delete p;
    QCOMPARE(scalar(bgd, QStringLiteral("Select Count(*) From Журнал_All")).toInt(), before);

    // The next exam (another worker) starts by grading and entering the killed one.
    const RunResult next = runCli({QStringLiteral("exam"), QStringLiteral("--worker"), workers.at(1).at(0).toString(),
                                   QStringLiteral("--reason"), QStringLiteral("Первичная")},
                                  data.path());
    QVERIFY2(next.exitCode == 0 && !next.crashed, qPrintable(next.err));
    QVERIFY2(next.err.contains(fio) && next.err.contains(QStringLiteral("оценён сейчас")), qPrintable(next.err));
    QCOMPARE(scalar(bgd, QStringLiteral("Select Count(*) From Журнал_All")).toInt(), before + 2);
    QCOMPARE(entries(), beforeOfWorker + 1);
    // The worker's row added last (both engines read the journal in the order it was added to).
    const QList<QVariantList> ofWorker = rows(bgd, QStringLiteral("Select Количество_вопросов, Количество_верных_ответов + "
                                                                  "Количество_неверных_ответов, Результат_проверки_знаний "
                                                                  "From Журнал_All Where ФИО = ?"),
                                              {fio});
    const QVariantList row = ofWorker.value(ofWorker.size() - 1);
    QCOMPARE(row.value(0).toInt(), questions);
    QCOMPARE(row.value(1).toInt(), questions);
    QVERIFY(!row.value(2).toString().isEmpty());

    // Once: the exam after that takes up nothing.
    const RunResult third = runCli({QStringLiteral("exam"), QStringLiteral("--worker"), workers.at(1).at(0).toString(),
                                    QStringLiteral("--reason"), QStringLiteral("Первичная")},
                                   data.path());
    QVERIFY2(third.exitCode == 0 && !third.err.contains(fio), qPrintable(third.err));
    QCOMPARE(scalar(bgd, QStringLiteral("Select Count(*) From Журнал_All")).toInt(), before + 3);
    QCOMPARE(entries(), beforeOfWorker + 1);
}

QTEST_MAIN(TestCrash)
#include "test_crash.moc"
