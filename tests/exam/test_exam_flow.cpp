// The exam flow on the demo data: the draw and its quota check, answers, grading, the journal.
#include "ExamTestSupport.h"
#include "TestDataFolder.h"

#include "core/Categories.h"
#include "core/Clock.h"
#include "core/exam/ExamDraw.h"
#include "data/Schema.h"
#include "exam/flow/ExamFlow.h"

#include <QSqlRecord>
#include <QtTest>
#include <memory>

using namespace ExamTest;

class TestExamFlow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void quotaExampleNumbersSectionBySection();
    void quotaOneAndQuotaEqualToSupply();
    void gapsAndLargeNumbersStillGiveTheQuota();
    void shortSectionStopsBeforeDrawing();
    void questionCountMustEqualSumOfQuotas();
    void identityNumbersRestartOnSecondExam();
    void oneAnswerPerQuestion();
    void gradingCountsFlagsByTheirFirstLetters();
    void registrationDatesAndReason();
    void wholeExamOfWorkerWithDoubleQuote();
    void leavingAfterNineOfTenAddsNothing();
    void gradedRowLeftInJournalIsRecovered();
    void answeredButUngradedExamIsGradedAtTheNextStart();
    void onlyWhatTheProgramLeftIsTakenUp();
    void emptyCriteriaCells();

private:
    QList<DrawnQuestion> prepareFor(const QString& category, const QString& system);
    // Worker through registration and the criteria, ready for the draw.
    void register_(int code, const QString& reason = QString());

    std::unique_ptr<TestDataFolder> m_folder;
    std::unique_ptr<TfrmADODataModule> m_dm;
    std::unique_ptr<ExamFlow> m_flow;
};

void TestExamFlow::init()
{
    Global::resetAll();
    Clock::setToday(QDate(2026, 12, 9));
    Random::seed(20261209);
    m_folder = std::make_unique<TestDataFolder>();
    QVERIFY(m_folder->isValid());
    m_dm = std::make_unique<TfrmADODataModule>();
    m_dm->openMainDatabase(m_folder->path());
    m_flow = std::make_unique<ExamFlow>(*m_dm);
}

void TestExamFlow::cleanup()
{
    m_flow.reset();
    m_dm.reset();
    m_folder.reset();
    Clock::setToday(QDate());
}

QList<DrawnQuestion> TestExamFlow::prepareFor(const QString& category, const QString& system)
{
    Global::RegimRaboty = Global::RegimExam;
    Global::ExamCancelled = 0;
    m_dm->connectCategoryBank(category, m_folder->path());
    if (!m_flow->loadCriteria(category))
        qFatal("no criteria");
    Global::SystemToka = system;
    return m_flow->prepare();
}

void TestExamFlow::register_(int code, const QString& reason)
{
    QVERIFY(m_flow->start().isEmpty());
    m_flow->registerWorker(code);
    if (!reason.isEmpty())
        m_flow->setReason(reason);
    m_flow->begin();
    QCOMPARE(m_flow->acceptRegistration(), QString());
}

void TestExamFlow::quotaExampleNumbersSectionBySection()
{
    setCriteria(*m_dm, Dispatchers, {5, 5, 5, 5, 5, 0, 0, 0, 5});
    const QList<DrawnQuestion> drawn = prepareFor(Dispatchers, ExamDraw::SystemAc);
    QCOMPARE(drawn.size(), 30);
    const QList<int> sections{1, 2, 3, 4, 5, 9};
    const auto bankRows = rows(m_dm->ADOConnection, QStringLiteral("Select Индекс, Вопрос, Ответ_1, Верно_Неверно_3 From Вопросы_ответы Order By Индекс"));
    QCOMPARE(bankRows.size(), 30);
    for (int i = 0; i < 30; ++i) {
        const DrawnQuestion& d = drawn.at(i);
        QCOMPARE(d.number, i + 1);
        QCOMPARE(d.section, sections.at(i / 5));
        if (i % 5)
            QVERIFY(drawn.at(i - 1).index < d.index);   // ascending Индекс within a section
        QCOMPARE(bankRows.at(i).at(0).toInt(), i + 1);
        const auto source = rows(m_dm->ADOConnection,
                                 QStringLiteral("Select Вопрос, Ответ_1, Верно_Неверно_3 From ") + Categories::sectionTableName(d.section)
                                     + QStringLiteral(" Where Индекс = ?"),
                                 {d.index});
        QCOMPARE(source.size(), 1);
        QCOMPARE(bankRows.at(i).mid(1), source.first());
        QVERIFY(ExamDraw::VoprosDopustim(source.first().first().toString(), ExamDraw::SystemAc));
    }
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::Otvety), 0);
}

void TestExamFlow::quotaOneAndQuotaEqualToSupply()
{
    m_dm->connectCategoryBank(Dispatchers, m_folder->path());
    QList<int> eligible2;
    for (const auto& r : rows(m_dm->ADOConnection, QStringLiteral("Select Индекс, Вопрос From Раздел_2 Order By Индекс")))
        if (ExamDraw::VoprosDopustim(r.at(1).toString(), ExamDraw::SystemDc))
            eligible2 << r.at(0).toInt();
    QVERIFY(eligible2.size() >= 5);
    setCriteria(*m_dm, Dispatchers, {1, int(eligible2.size()), 0, 0, 0, 0, 0, 0, 0});
    const QList<DrawnQuestion> drawn = prepareFor(Dispatchers, ExamDraw::SystemDc);
    QCOMPARE(drawn.size(), 1 + eligible2.size());
    QCOMPARE(drawn.first().section, 1);
    QList<int> got;
    for (const DrawnQuestion& d : drawn.mid(1))
        got << d.index;
    QCOMPARE(got, eligible2);
}

void TestExamFlow::gapsAndLargeNumbersStillGiveTheQuota()
{
    m_dm->connectCategoryBank(Dispatchers, m_folder->path());
    Db::exec(m_dm->ADOConnection, QStringLiteral("Delete From Раздел_3 Where Индекс In (1, 4, 6)"));
    Db::exec(m_dm->ADOConnection,
             QStringLiteral("Insert Into Раздел_3 (Индекс, Вопрос, Ответ_1, Верно_Неверно_1, Ответ_2, Верно_Неверно_2) "
                            "Values (300, 'Вопрос с номером 300', 'Да', 'Верно', 'Нет', 'Неверно')"));
    const int eligible = int(rows(m_dm->ADOConnection, QStringLiteral("Select Индекс From Раздел_3 Where Replace(Вопрос, ?, '') = Вопрос"),
                                  {ExamDraw::MarkDc}).size());
    setCriteria(*m_dm, Dispatchers, {0, 0, eligible, 0, 0, 0, 0, 0, 0});
    for (int round = 0; round < 3; ++round) {
        const QList<DrawnQuestion> drawn = prepareFor(Dispatchers, ExamDraw::SystemAc);
        QCOMPARE(drawn.size(), eligible);
        QCOMPARE(count(m_dm->ADOConnection, Schema::VoprosyOtvety), eligible);
        QCOMPARE(drawn.last().index, 300);
        QCOMPARE(Db::scalar(m_dm->ADOConnection, QStringLiteral("Select Вопрос From Вопросы_ответы Where Индекс = ?"), {eligible}).toString(),
                 QStringLiteral("Вопрос с номером 300"));
    }
}

void TestExamFlow::shortSectionStopsBeforeDrawing()
{
    setCriteria(*m_dm, Dispatchers, {2, 2, 2, 2, 2, 2, 2, 2, 2});
    prepareFor(Dispatchers, ExamDraw::SystemAc);   // a previous exam's questions
    const auto before = rows(m_dm->ADOConnection, QStringLiteral("Select * From Вопросы_ответы"));
    const int journal = count(m_dm->ADOConnectionGlb, Schema::GurnalAll);
    setCriteria(*m_dm, Dispatchers, {2, 2, 2, 2, 2, 2, 2, 2, 11});   // section 9 has 9 questions for ac
    try {
        prepareFor(Dispatchers, ExamDraw::SystemAc);
        QFAIL("the draw went ahead");
    } catch (const ExamCannotStart& e) {
        QVERIFY(e.message().contains(Dispatchers));
        QVERIFY(e.message().contains(QStringLiteral("Раздел_9")));
        QVERIFY(e.message().contains(QStringLiteral("нужно 11")));
        QVERIFY(e.message().contains(QStringLiteral("только 9")));
    }
    QCOMPARE(Global::ExamCancelled, quint8(1));
    QCOMPARE(rows(m_dm->ADOConnection, QStringLiteral("Select * From Вопросы_ответы")), before);
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::GurnalAll), journal);
}

void TestExamFlow::questionCountMustEqualSumOfQuotas()
{
    setCriteria(*m_dm, Dispatchers, {2, 2, 2, 2, 2, 2, 2, 2, 2}, 20);
    QVERIFY_THROWS_EXCEPTION(ExamCannotStart, prepareFor(Dispatchers, ExamDraw::SystemAc));
    setCriteria(*m_dm, Dispatchers, {2, 2, 2, 2, 2, 2, 2, 2, 2}, 18);
    QCOMPARE(prepareFor(Dispatchers, ExamDraw::SystemAc).size(), 18);
}

void TestExamFlow::identityNumbersRestartOnSecondExam()
{
    for (int exam = 0; exam < 2; ++exam) {
        prepareFor(Dispatchers, ExamDraw::SystemAc);
        QCOMPARE(Db::scalar(m_dm->ADOConnection, QStringLiteral("Select Min(Индекс) From Вопросы_ответы")).toInt(), 1);
        QCOMPARE(Db::scalar(m_dm->ADOConnection, QStringLiteral("Select Max(Индекс) From Вопросы_ответы")).toInt(), 20);
        QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::Otvety), 0);
        m_flow->confirm(5, 2);
        m_flow->confirm(1, 1);
        QCOMPARE(rows(m_dm->ADOConnectionGlb, QStringLiteral("Select Индекс, Номер_вопроса From Ответы Order By Индекс")),
                 (QList<QVariantList>{{1, 5}, {2, 1}}));
    }
}

void TestExamFlow::oneAnswerPerQuestion()
{
    prepareFor(Dispatchers, ExamDraw::SystemAc);
    m_flow->confirm(1, 2);
    QVERIFY(m_flow->isAnswered(1));
    QVERIFY_THROWS_EXCEPTION(zorvek::Error, m_flow->confirm(1, 1));
    QVERIFY_THROWS_EXCEPTION(zorvek::Error, m_flow->confirm(21, 1));
    QVERIFY_THROWS_EXCEPTION(zorvek::Error, m_flow->confirm(2, 4));
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::Otvety), 1);
    const auto row = rows(m_dm->ADOConnectionGlb, QStringLiteral("Select Ответ_экзаменуемого, Верно_Неверно From Ответы")).first();
    const auto q = rows(m_dm->ADOConnection, QStringLiteral("Select Ответ_2, Верно_Неверно_2 From Вопросы_ответы Where Индекс = 1")).first();
    QCOMPARE(row, q);
    QCOMPARE(m_flow->nextUnanswered(1), 2);
    for (int n = 2; n <= 19; ++n)
        m_flow->confirm(n, 1);
    QVERIFY(!m_flow->isComplete());
    QCOMPARE(m_flow->nextUnanswered(3), 20);
    // A two-answer question takes no answer 3.
    Db::exec(m_dm->ADOConnection, QStringLiteral("Update Вопросы_ответы Set Ответ_3 = Null, Верно_Неверно_3 = Null Where Индекс = 20"));
    QVERIFY(!m_flow->hasThirdAnswer(20));
    QVERIFY_THROWS_EXCEPTION(zorvek::Error, m_flow->confirm(20, 3));
    QVERIFY(!m_flow->isAnswered(20));
    m_flow->confirm(20, 2);
    QVERIFY(m_flow->isComplete());
    QCOMPARE(m_flow->nextUnanswered(20), 0);
    QCOMPARE(Global::KolOtvetov, quint8(20));
}

void TestExamFlow::gradingCountsFlagsByTheirFirstLetters()
{
    register_(4, QStringLiteral("Первичная"));
    m_flow->prepare();
    const QStringList flags{QStringLiteral("Верно"), QStringLiteral("Верно     "), QStringLiteral("верно"),
                            QStringLiteral("Неверно"), QStringLiteral("Неверно, неполный"), QStringLiteral(" Верно"),
                            QStringLiteral(""), QStringLiteral("ВЕРНО")};
    int n = 0;
    for (const QString& f : flags)
        Db::exec(m_dm->ADOConnectionGlb,
                 QStringLiteral("Insert Into Ответы (Номер_вопроса, Вопрос, Ответ_экзаменуемого, Верно_Неверно) Values (?, 'в', 'о', ?)"),
                 {++n, f});
    const ExamResult r = m_flow->grade();
    QCOMPARE(r.right, 3);
    QCOMPARE(r.questions, 20);
    QCOMPARE(r.wrong, 17);
    QCOMPARE(r.grade.ocenka, QStringLiteral("Неудовлетворительно"));
    QCOMPARE(r.grade.result, QStringLiteral("Не сдал"));
    const auto j = rows(m_dm->ADOConnectionGlb, QStringLiteral("Select Количество_вопросов, Количество_верных_ответов, "
                                                               "Количество_неверных_ответов, Оценка, Результат_проверки_знаний From Журнал"));
    QCOMPARE(j, (QList<QVariantList>{{20, 3, 17, QStringLiteral("Неудовлетворительно"), QStringLiteral("Не сдал")}}));
}

void TestExamFlow::registrationDatesAndReason()
{
    Clock::setToday(QDate(2024, 2, 29));
    QVERIFY(m_flow->start().isEmpty());
    const QVariant personalDate = Db::scalar(m_dm->ADOConnectionGlb, QStringLiteral("Select Дата_сдачи_экзамена From Персонал Where Код = 1"));
    // Worker 1 is of the administrative category and was checked on 12.03.2024 and 10.02.2026.
    QCOMPARE(m_flow->registerWorker(1), ExamRegistration::Completeness::Complete);
    ExamRegistration::Row row = m_flow->journalRow();
    QCOMPARE(row.checkDate, QStringLiteral("29.02.2024"));
    QCOMPARE(row.nextCheck, QStringLiteral("28.02.2027"));
    QCOMPARE(row.previousCheck, QStringLiteral("10.02.2026"));
    QCOMPARE(row.reason, QStringLiteral("Периодическая"));
    QVERIFY(m_flow->setReason(QStringLiteral("Первичная")));
    QCOMPARE(m_flow->journalRow().previousCheck, QString());
    m_flow->setReason(QStringLiteral("Внеочередная"));
    QCOMPARE(m_flow->journalRow().previousCheck, QStringLiteral("10.02.2026"));
    // Registration alone writes nothing to the worker's record.
    QCOMPARE(Db::scalar(m_dm->ADOConnectionGlb, QStringLiteral("Select Дата_сдачи_экзамена From Персонал Where Код = 1")), personalDate);

    // Worker 4, another category, never checked: no zero date, the operator is sent to "Первичная".
    QCOMPARE(m_flow->registerWorker(4), ExamRegistration::Completeness::NoPreviousCheck);
    row = m_flow->journalRow();
    QCOMPARE(row.nextCheck, QStringLiteral("28.02.2025"));
    QCOMPARE(row.previousCheck, QString());
    QVERIFY(Db::scalar(m_dm->ADOConnectionGlb, QStringLiteral("Select Дата_предыдущей_проверки From Журнал")).isNull());
    QVERIFY_THROWS_EXCEPTION(zorvek::Error, m_flow->registerWorker(999));
}

void TestExamFlow::wholeExamOfWorkerWithDoubleQuote()
{
    const QString fio = Db::scalar(m_dm->ADOConnectionGlb, QStringLiteral("Select Фамилия_Имя_Отчество From Персонал Where Код = 13")).toString();
    QVERIFY(fio.contains(QLatin1Char('"')));
    const int before = count(m_dm->ADOConnectionGlb, Schema::GurnalAll);
    register_(13, QStringLiteral("Первичная"));
    const QList<DrawnQuestion> drawn = m_flow->prepare();
    QCOMPARE(drawn.size(), int(Global::KolVoprosov));
    for (const DrawnQuestion& d : drawn) {
        const int answer = 1 + d.number % 3;
        m_flow->confirm(d.number, answer == 3 && !m_flow->hasThirdAnswer(d.number) ? 1 : answer);
    }
    const ExamResult r = m_flow->grade();
    QCOMPARE(r.right + r.wrong, r.questions);
    const QVariantList journal = m_flow->journalValues();
    m_flow->finish();
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::GurnalAll), before + 1);
    const auto last = lastJournalRow(m_dm->ADOConnectionGlb);
    QCOMPARE(last.first(), journal);
    QCOMPARE(journal.first().toString(), fio);
    QCOMPARE(Db::scalar(m_dm->ADOConnectionGlb, QStringLiteral("Select Дата_сдачи_экзамена From Персонал Where Код = 13")).toString(),
             QStringLiteral("2026-12-09"));
    // The next exam of the same worker finds this one as the previous check.
    QCOMPARE(m_flow->previousCheck(fio).toString(), QStringLiteral("2026-12-09"));
    QVERIFY(m_flow->start().isEmpty());   // nothing to recover
}

void TestExamFlow::leavingAfterNineOfTenAddsNothing()
{
    const int before = count(m_dm->ADOConnectionGlb, Schema::GurnalAll);
    const QVariant personalDate = Db::scalar(m_dm->ADOConnectionGlb, QStringLiteral("Select Дата_сдачи_экзамена From Персонал Where Код = 14"));
    register_(14, QStringLiteral("Первичная"));   // a category of ten questions
    QCOMPARE(m_flow->prepare().size(), 10);
    for (int n = 1; n <= 9; ++n)
        m_flow->confirm(n, 1);
    QVERIFY(!m_flow->isComplete());
    Global::ExamCancelled = 1;   // the examinee leaves
    m_flow->abandon();
    QVERIFY(m_flow->start().isEmpty());
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::GurnalAll), before);
    QCOMPARE(Db::scalar(m_dm->ADOConnectionGlb, QStringLiteral("Select Дата_сдачи_экзамена From Персонал Where Код = 14")), personalDate);
}

void TestExamFlow::gradedRowLeftInJournalIsRecovered()
{
    const int before = count(m_dm->ADOConnectionGlb, Schema::GurnalAll);
    register_(14, QStringLiteral("Первичная"));
    m_flow->prepare();
    for (int n = 1; n <= 10; ++n)
        m_flow->confirm(n, 2);
    m_flow->grade();
    const QVariantList graded = m_flow->journalValues();
    // The program ends before "Выход"; the next exam starts.
    ExamFlow next(*m_dm);
    const QString message = next.start();
    QVERIFY(message.contains(QStringLiteral("Морозов")));
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::GurnalAll), before + 1);
    const auto last = lastJournalRow(m_dm->ADOConnectionGlb);
    QCOMPARE(last.first(), graded);
    QCOMPARE(Db::scalar(m_dm->ADOConnectionGlb, QStringLiteral("Select Дата_сдачи_экзамена From Персонал Where Код = 14")).toString(),
             QStringLiteral("2026-12-09"));
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::Gurnal), 1);
    QVERIFY(Db::scalar(m_dm->ADOConnectionGlb, QStringLiteral("Select ФИО From Журнал")).isNull());
    QVERIFY(next.start().isEmpty());
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::GurnalAll), before + 1);
}

void TestExamFlow::answeredButUngradedExamIsGradedAtTheNextStart()
{
    const int before = count(m_dm->ADOConnectionGlb, Schema::GurnalAll);
    register_(14, QStringLiteral("Первичная"));
    const QList<DrawnQuestion> drawn = m_flow->prepare();
    for (const DrawnQuestion& d : drawn)
        m_flow->confirm(d.number, 1);
    const int right = Db::scalar(m_dm->ADOConnectionGlb, QStringLiteral("Select Count(*) From Ответы Where Верно_Неверно Like 'Ве%'")).toInt();
    const ExamGrading::Grade expected = ExamGrading::grade(
        right, {Global::PorogOtlichno, Global::PorogKhorosho, Global::PorogUdovletvoritelno, Global::PorogNeudovletvoritelno});
    // The program ends after the last confirmation, before "Просмотр"; another exam starts.
    m_dm->ADOConnection.close();   // the next start connects the bank itself
    Global::resetAll();
    ExamFlow next(*m_dm);
    const QString message = next.start();
    QVERIFY2(message.contains(QStringLiteral("Морозов")) && message.contains(QStringLiteral("оценён сейчас")), qPrintable(message));
    QVERIFY(message.contains(expected.result));
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::GurnalAll), before + 1);
    const auto last = rows(m_dm->ADOConnectionGlb, QStringLiteral("Select ФИО, Количество_вопросов, Количество_верных_ответов, "
                                                                  "Количество_неверных_ответов, Оценка, Результат_проверки_знаний "
                                                                  "From Журнал_All Where ") + lastJournalRowCondition(m_dm->ADOConnectionGlb))
                          .first();
    QVERIFY(last.at(0).toString().startsWith(QStringLiteral("Морозов")));
    QCOMPARE(last.mid(1), (QVariantList{int(drawn.size()), right, int(drawn.size()) - right, expected.ocenka, expected.result}));
    QCOMPARE(Db::scalar(m_dm->ADOConnectionGlb, QStringLiteral("Select Дата_сдачи_экзамена From Персонал Where Код = 14")).toString(),
             QStringLiteral("2026-12-09"));
    // Entered once: the start after that has nothing to take up.
    QVERIFY(ExamFlow(*m_dm).start().isEmpty());
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::GurnalAll), before + 1);
}

void TestExamFlow::onlyWhatTheProgramLeftIsTakenUp()
{
    // An exam entered by "Выход", whose Журнал_All row is then deleted with an SQLite tool.
    register_(14, QStringLiteral("Первичная"));
    for (const DrawnQuestion& d : m_flow->prepare())
        m_flow->confirm(d.number, 2);
    m_flow->grade();
    m_flow->finish();
    const int entered = count(m_dm->ADOConnectionGlb, Schema::GurnalAll);
    Db::exec(m_dm->ADOConnectionGlb, QStringLiteral("Delete From Журнал_All Where ") + lastJournalRowCondition(m_dm->ADOConnectionGlb));
    QVERIFY(ExamFlow(*m_dm).start().isEmpty());
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::GurnalAll), entered - 1);

    // An exam cut off after 4 of 10 answers: no result, and the operator is told so.
    register_(14, QStringLiteral("Первичная"));
    m_flow->prepare();
    for (int n = 1; n <= 4; ++n)
        m_flow->confirm(n, 1);
    const QString message = ExamFlow(*m_dm).start();
    QVERIFY2(message.contains(QStringLiteral("прерван")) && message.contains(QStringLiteral("4 из 10"))
                 && message.contains(QStringLiteral("Морозов")),
             qPrintable(message));
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::GurnalAll), entered - 1);

    // A graded row in Журнал that the program did not leave there (written by hand) stays out.
    Db::exec(m_dm->ADOConnectionGlb, QStringLiteral("Update Журнал Set ФИО = 'Вручную', Оценка = 'Отлично', "
                                                    "Результат_проверки_знаний = 'Сдал'"));
    QVERIFY(ExamFlow(*m_dm).start().isEmpty());
    QCOMPARE(count(m_dm->ADOConnectionGlb, Schema::GurnalAll), entered - 1);
}

void TestExamFlow::emptyCriteriaCells()
{
    auto set = [&](const QString& column, const QVariant& value) {
        Db::exec(m_dm->ADOConnectionGlb, QStringLiteral("Update Критерии_оценки Set ") + column + QStringLiteral(" = ? Where Категория_специалиста = ?"),
                 {value, Dispatchers});
    };
    setCriteria(*m_dm, Dispatchers, {5, 5, 5, 5, 0, 0, 0, 0, 0});
    set(QStringLiteral("По_разделу_7"), QVariant(QMetaType::fromType<int>()));
    // A file may hold an empty text in a number column; the server keeps numbers only.
    set(QStringLiteral("По_разделу_8"), TestDataFolder::onServer() ? QVariant(QMetaType::fromType<int>()) : QVariant(QStringLiteral("")));
    QVERIFY(m_flow->loadCriteria(Dispatchers));
    QCOMPARE(Global::KolVoprosovRazdel[7], quint8(0));
    QCOMPARE(Global::KolVoprosovRazdel[8], quint8(0));
    QCOMPARE(prepareFor(Dispatchers, ExamDraw::SystemAc).size(), 20);

    for (const QString& column : {QStringLiteral("Отлично"), QStringLiteral("Кол_вопросов")}) {
        setCriteria(*m_dm, Dispatchers, {5, 5, 5, 5, 0, 0, 0, 0, 0});
        set(column, QVariant(QMetaType::fromType<int>()));
        try {
            m_flow->loadCriteria(Dispatchers);
            QFAIL("an empty cell was taken");
        } catch (const zorvek::Error& e) {
            QVERIFY2(e.message().contains(Dispatchers) && e.message().contains(QStringLiteral("«") + column + QStringLiteral("»")),
                     qPrintable(e.message()));
        }
    }
}

QTEST_MAIN(TestExamFlow)
#include "test_exam_flow.moc"
