// The exam's pure rules: eligibility by the marks, the draw, the quota check, grading, hints,
// the registration's completeness and the next-check date.
#include "core/Categories.h"
#include "core/Error.h"
#include "core/exam/ExamDraw.h"
#include "core/exam/ExamGrading.h"
#include "core/exam/ExamHints.h"
#include "core/exam/ExamRegistration.h"

#include <QtTest>

using namespace ExamDraw;

class TestExamRules : public QObject
{
    Q_OBJECT
private slots:
    void marks_data();
    void marks();
    void chooseIsDistinctSortedAndEligible();
    void chooseTakesAllWhenQuotaEqualsSupply();
    void chooseIsUniform();
    void chooseRefusesShortSupply();
    void sampleLooksOnlyAtDrawnQuestions();
    void quotaCheckNamesSectionAndNumbers();
    void quotaCheckComparesQuestionCountWithSum();
    void grading_data();
    void grading();
    void gapKeepsPreviousGrade();
    void hints();
    void registrationCompleteness();
    void nextCheckDate_data();
    void nextCheckDate();
};

void TestExamRules::marks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("system");
    QTest::addColumn<bool>("eligible");
    const QString ac = SystemAc, dc = SystemDc;
    const QString plain = QStringLiteral("Кто выдаёт наряд?");
    const QString acText = plain + QStringLiteral("\rа) Участки переменного тока");
    const QString dcText = plain + QStringLiteral("\rб) Участки постоянного тока");
    const QString both = acText + QStringLiteral("\rб) Участки постоянного тока");
    QTest::newRow("unmarked, ac") << plain << ac << true;
    QTest::newRow("unmarked, dc") << plain << dc << true;
    QTest::newRow("ac mark, ac") << acText << ac << true;
    QTest::newRow("ac mark, dc") << acText << dc << false;
    QTest::newRow("dc mark, ac") << dcText << ac << false;
    QTest::newRow("dc mark, dc") << dcText << dc << true;
    QTest::newRow("both marks, ac") << both << ac << true;
    QTest::newRow("both marks, dc") << both << dc << true;
    // A Latin "a" or other capitals are no mark: the question suits both systems.
    QTest::newRow("latin a, dc") << plain + QStringLiteral("\ra) Участки переменного тока") << dc << true;
    QTest::newRow("capital Б, ac") << plain + QStringLiteral("\rБ) Участки постоянного тока") << ac << true;
    QTest::newRow("lower-case участки, ac") << plain + QStringLiteral("\rб) участки постоянного тока") << ac << true;
    // An unknown system gets only unmarked questions.
    QTest::newRow("unknown system, unmarked") << plain << QStringLiteral("переменного") << true;
    QTest::newRow("unknown system, ac mark") << acText << QStringLiteral("Переменного тока") << false;
    QTest::newRow("unknown system, both") << both << QString() << false;
}

void TestExamRules::marks()
{
    QFETCH(QString, text);
    QFETCH(QString, system);
    QFETCH(bool, eligible);
    QCOMPARE(VoprosDopustim(text, system), eligible);
}

void TestExamRules::chooseIsDistinctSortedAndEligible()
{
    std::mt19937_64 engine(7);
    const QList<int> eligible{2, 3, 5, 8, 13, 21, 34, 400, 1999};   // gaps and numbers above 255
    for (int round = 0; round < 50; ++round) {
        const QList<int> chosen = choose(eligible, 4, engine);
        QCOMPARE(chosen.size(), 4);
        QVERIFY(std::is_sorted(chosen.begin(), chosen.end()));
        QCOMPARE(QSet<int>(chosen.begin(), chosen.end()).size(), 4);
        for (int n : chosen)
            QVERIFY(eligible.contains(n));
    }
    QCOMPARE(choose(eligible, 1, engine).size(), 1);
    QVERIFY(choose(eligible, 0, engine).isEmpty());
}

void TestExamRules::chooseTakesAllWhenQuotaEqualsSupply()
{
    std::mt19937_64 engine(1);
    QCOMPARE(choose({9, 4, 7}, 3, engine), (QList<int>{4, 7, 9}));
}

void TestExamRules::chooseIsUniform()
{
    std::mt19937_64 engine(42);
    QList<int> eligible;
    for (int i = 1; i <= 10; ++i)
        eligible << i;
    QHash<int, int> hits;
    const int rounds = 20000;
    for (int r = 0; r < rounds; ++r)
        for (int n : choose(eligible, 3, engine))
            ++hits[n];
    // Each number is chosen with probability 3/10: 6000 of 20000, within a generous margin.
    for (int i = 1; i <= 10; ++i)
        QVERIFY2(std::abs(hits.value(i) - 6000) < 400, qPrintable(QString::number(hits.value(i))));
}

void TestExamRules::chooseRefusesShortSupply()
{
    std::mt19937_64 engine(1);
    QVERIFY_THROWS_EXCEPTION(zorvek::Error, choose({1, 2}, 3, engine));
}

void TestExamRules::sampleLooksOnlyAtDrawnQuestions()
{
    std::mt19937_64 engine(3);
    // Numbers 1..2000 with gaps (every tenth missing) and every third ineligible.
    QSet<int> asked;
    auto eligible = [&](int k) {
        asked.insert(k);
        return k % 10 != 0 && k % 3 != 0;
    };
    QList<int> chosen;
    QVERIFY(sample(1, 2000, 20, eligible, engine, 500, &chosen));
    QCOMPARE(chosen.size(), 20);
    QVERIFY(std::is_sorted(chosen.begin(), chosen.end()));
    QCOMPARE(QSet<int>(chosen.begin(), chosen.end()).size(), 20);
    for (int k : chosen)
        QVERIFY(k % 10 != 0 && k % 3 != 0);
    QVERIFY(asked.size() < 100);
    // Too few eligible numbers: the draw gives up rather than looping for ever.
    QVERIFY(!sample(1, 50, 3, [](int k) { return k == 7 || k == 9; }, engine, 1000, &chosen));
    QVERIFY(sample(1, 50, 0, [](int) { return false; }, engine, 10, &chosen));
    QVERIFY(chosen.isEmpty());
}

void TestExamRules::quotaCheckNamesSectionAndNumbers()
{
    Supply s;
    s.category = QStringLiteral("Электромонтёры III группа");
    s.systemToka = SystemDc;
    s.quota = {0, 2, 2, 0, 0, 0, 0, 0, 0, 5};
    s.eligible = {0, 9, 9, 0, 0, 0, 0, 0, 0, 3};
    s.questionCount = 9;
    const QStringList problems = quotaProblems(s);
    QCOMPARE(problems.size(), 1);
    const QString message = quotaMessage(s, problems);
    QVERIFY(message.contains(s.category));
    QVERIFY(message.contains(QStringLiteral("Раздел_9")));
    QVERIFY(message.contains(QStringLiteral("нужно 5")));
    QVERIFY(message.contains(QStringLiteral("только 3")));
    QVERIFY(message.contains(SystemDc));
    s.eligible[9] = 5;
    QVERIFY(quotaProblems(s).isEmpty());
}

void TestExamRules::quotaCheckComparesQuestionCountWithSum()
{
    Supply s;
    s.category = QStringLiteral("Энергодиспетчеры");
    s.systemToka = SystemAc;
    s.quota = {0, 5, 5, 5, 5, 5, 0, 0, 0, 5};
    s.eligible = {0, 9, 9, 9, 9, 9, 9, 9, 9, 9};
    s.questionCount = 30;
    QVERIFY(quotaProblems(s).isEmpty());
    s.questionCount = 31;
    const QStringList problems = quotaProblems(s);
    QCOMPARE(problems.size(), 1);
    QVERIFY(problems.first().contains(QStringLiteral("31")));
    QVERIFY(problems.first().contains(QStringLiteral("30")));
    s.quota = {};
    s.questionCount = 0;
    QVERIFY(!quotaProblems(s).isEmpty());   // an exam without questions
}

void TestExamRules::grading_data()
{
    QTest::addColumn<int>("u");
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("right");
    QTest::addColumn<QString>("ocenka");
    QTest::addColumn<QString>("result");
    using namespace ExamGrading;
    QTest::newRow("10 of 10") << 8 << 7 << 10 << Otlichno << Sdal;
    QTest::newRow("9") << 8 << 7 << 9 << Khorosho << Sdal;
    QTest::newRow("8") << 8 << 7 << 8 << Udovletvoritelno << Sdal;
    QTest::newRow("7") << 8 << 7 << 7 << Neudovletvoritelno << NeSdal;
    QTest::newRow("0") << 8 << 7 << 0 << Neudovletvoritelno << NeSdal;
    // A gap between the thresholds: no rule applies, the grade stays empty.
    QTest::newRow("gap 8/6, R=7") << 8 << 6 << 7 << QString() << NeSdal;
    // Overlapping thresholds: the last rule wins the grade, the result follows Удовлетворительно.
    QTest::newRow("overlap 8/8, R=8") << 8 << 8 << 8 << Neudovletvoritelno << Sdal;
}

void TestExamRules::grading()
{
    QFETCH(int, u);
    QFETCH(int, n);
    QFETCH(int, right);
    QFETCH(QString, ocenka);
    QFETCH(QString, result);
    const ExamGrading::Grade g = ExamGrading::grade(right, {10, 9, u, n});
    QCOMPARE(g.ocenka, ocenka);
    QCOMPARE(g.result, result);
}

void TestExamRules::gapKeepsPreviousGrade()
{
    QCOMPARE(ExamGrading::grade(7, {10, 9, 8, 6}, QStringLiteral("Хорошо")).ocenka, QStringLiteral("Хорошо"));
}

void TestExamRules::hints()
{
    const QString rule35(35, QLatin1Char('-'));
    QCOMPARE(ExamHints::detailedHint(QStringLiteral("В?\r"), QStringLiteral("a1"), QStringLiteral("Верно"),
                                     QStringLiteral("a2"), QStringLiteral("Неверно"), QString(), QString()),
             QStringLiteral("Вопрос\rВ?\rОтвет №1\ra1Верно\r") + rule35 + QStringLiteral("\rОтвет №2\ra2Неверно\r") + rule35
                 + QStringLiteral("\rОтвет №3\r\r") + rule35 + QStringLiteral("  "));
}

void TestExamRules::registrationCompleteness()
{
    using namespace ExamRegistration;
    Row r{QStringLiteral("Кат"), QStringLiteral("ФИО"), QStringLiteral("Пост"), QStringLiteral("ЭЧ"), QStringLiteral("01.01.2025"),
          QStringLiteral("09.12.2026"), QStringLiteral("09.12.2027"), QStringLiteral("переменного тока"), QStringLiteral("5 лет"),
          ReasonPeriodicheskaya};
    QCOMPARE(check(r), Completeness::Complete);
    r.previousCheck.clear();
    QCOMPARE(check(r), Completeness::NoPreviousCheck);
    QVERIFY(canBegin(r));
    r.reason = ReasonPervichnaya;
    QCOMPARE(check(r), Completeness::Complete);
    r.experience = QStringLiteral("  ");
    QCOMPARE(check(r), Completeness::MissingWorkerData);
    QVERIFY(canBegin(r));
    r.post.clear();
    QVERIFY(!canBegin(r));
    QVERIFY(incompleteMessage().count(QLatin1Char('\r')) == 2);
}

void TestExamRules::nextCheckDate_data()
{
    QTest::addColumn<QDate>("day");
    QTest::addColumn<bool>("admin");
    QTest::addColumn<QDate>("next");
    QTest::newRow("admin 31.01.2024") << QDate(2024, 1, 31) << true << QDate(2027, 1, 31);
    QTest::newRow("other 31.01.2024") << QDate(2024, 1, 31) << false << QDate(2025, 1, 31);
    QTest::newRow("other 29.02.2024") << QDate(2024, 2, 29) << false << QDate(2025, 2, 28);
    QTest::newRow("admin 29.02.2024") << QDate(2024, 2, 29) << true << QDate(2027, 2, 28);
    QTest::newRow("admin 29.02.2020") << QDate(2020, 2, 29) << true << QDate(2023, 2, 28);
}

void TestExamRules::nextCheckDate()
{
    QFETCH(QDate, day);
    QFETCH(bool, admin);
    QFETCH(QDate, next);
    QCOMPARE(Categories::nextCheckDate(day, admin ? Categories::AdminCategory : QStringLiteral("Энергодиспетчеры")), next);
}

QTEST_GUILESS_MAIN(TestExamRules)
#include "test_exam_rules.moc"
