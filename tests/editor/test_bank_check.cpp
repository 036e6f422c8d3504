// The bank check: silent on the demo data, and one line naming the place for every fault planted
// in a copy of it.
#include "TestDataFolder.h"
#include "core/Categories.h"
#include "core/RussianPlural.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/TfrmADODataModule.h"
#include "data/demo/DemoData.h"
#include "editor/import/BankCheck.h"

#include <QTest>

namespace {

// Runs statements on a database file of the data folder, on a connection of its own.
void alter(const TestDataFolder& data, const QString& file, const QStringList& statements)
{
    TestConnection c(data.filePath(file));
    for (const QString& s : statements) {
        // A table is made where the program would make it (on the server: the bank's schema).
        if (s.startsWith(QLatin1String("Create Table ")))
            Schema::recreateTable(c.db(), s.section(QLatin1Char(' '), 2, 2), s);
        else
            Db::exec(c.db(), s);
    }
}

QString bank(int position)
{
    return Categories::bankFileForPosition(position);
}

const QString MainFile = QStringLiteral("BGD.mdb");

QStringList check(const TestDataFolder& data)
{
    TfrmADODataModule dm;
    dm.openMainDatabase(data.path());
    return BankCheck::run(dm, data.path());
}

// The first section with a quota for the category at `position`.
int sectionWithQuota(int position)
{
    const QList<int> q = DemoData::quotas(position);
    for (int s = 1; s <= 9; ++s) {
        if (q.at(s) > 0)
            return s;
    }
    return 0;
}

} // namespace

class TestBankCheck : public QObject
{
    Q_OBJECT
private slots:
    void demoDataHasNoProblem();
    void flagsReadAlikeAreNotes();
    void findsPlantedFaults_data();
    void findsPlantedFaults();
};

void TestBankCheck::demoDataHasNoProblem()
{
    TestDataFolder data;
    QVERIFY(data.isValid());
    const QStringList problems = check(data);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void TestBankCheck::flagsReadAlikeAreNotes()
{
    TestDataFolder data;
    alter(data, bank(2), {"Update Раздел_5 Set Верно_Неверно_1 = 'неверно' Where Индекс = 3"});
    TfrmADODataModule dm;
    dm.openMainDatabase(data.path());
    const BankCheck::Report report = BankCheck::review(dm, data.path());
    QVERIFY2(report.problems.isEmpty(), qPrintable(report.problems.join(u'\n')));
    const QString note =
        QStringLiteral(
            "«%1», Раздел_5, вопрос № 3: отметка ответа 1 «неверно» — не «Верно» и не «Неверно»: экзамен "
            "считает ответ неверным, самоподготовка показывает его неверным")
            .arg(DemoData::categoryNames().at(2));
    QVERIFY2(report.notes.contains(note), qPrintable(report.notes.join(u'\n')));
}

void TestBankCheck::findsPlantedFaults_data()
{
    const QStringList names = DemoData::categoryNames();
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<QStringList>("expected"); // lines that must be reported, in any order

    const QString c0 = QStringLiteral("«%1», ").arg(names[0]);
    QTest::newRow("gap in Индекс")
        << bank(0) << QStringList{"Delete From Раздел_2 Where Индекс = 3"}
        << QStringList{
               c0 + "Раздел_2: пропущен номер Индекс 3",
               c0 + "Раздел_2: в «Количество_вопросов_по_разделам» указано 12 вопросов, а в разделе 11"};

    const int p5 = 5;
    const int s5 = sectionWithQuota(p5);
    const int quota = DemoData::quotas(p5).at(s5);
    QTest::newRow("short quota")
        << bank(p5)
        << QStringList{QStringLiteral(
                           "Update Раздел_%1 Set Вопрос = Replace(Вопрос, 'а) Участки переменного тока', '') "
                           "|| 'б) Участки постоянного тока'")
                           .arg(s5)}
        << QStringList{QStringLiteral(
                           "«%1», Раздел_%2: для участков переменного тока нужно %3, а подходящих только 0")
                           .arg(names[p5])
                           .arg(s5)
                           .arg(RussianPlural::questions(quota))};

    const QList<int> q2 = DemoData::quotas(2);
    int sum2 = 0;
    for (int s = 1; s <= 9; ++s)
        sum2 += q2.at(s);
    QTest::newRow("wrong sum")
        << MainFile
        << QStringList{QStringLiteral("Update Критерии_оценки Set Кол_вопросов = Кол_вопросов + 1 "
                                      "Where Категория_специалиста = '%1'")
                           .arg(names[2])}
        << QStringList{
               QStringLiteral(
                   "«%1»: Критерии_оценки: Кол_вопросов = %2, а сумма По_разделу_1 … По_разделу_9 = %3")
                   .arg(names[2])
                   .arg(sum2 + 1)
                   .arg(sum2)};

    // Flags the exam and self-training read differently.
    const QString readAsRight =
        QStringLiteral(": экзамен считает ответ неверным, самоподготовка показывает его верным");
    QTest::newRow("odd flag")
        << bank(3) << QStringList{"Update Раздел_1 Set Верно_Неверно_2 = '  Да  ' Where Индекс = 4"}
        << QStringList{QStringLiteral(
                           "«%1», Раздел_1, вопрос № 4: отметка ответа 2 «  Да» — не «Верно» и не «Неверно»")
                           .arg(names[3]) +
                       readAsRight};
    QTest::newRow("empty flag of answer 1")
        << bank(3) << QStringList{"Update Раздел_2 Set Верно_Неверно_1 = '' Where Индекс = 2"}
        << QStringList{
               QStringLiteral("«%1», Раздел_2, вопрос № 2: у ответа 1 нет отметки «Верно» или «Неверно»")
                   .arg(names[3]) +
               readAsRight};
    QTest::newRow("flag with верно inside")
        << bank(3) << QStringList{"Update Раздел_3 Set Верно_Неверно_2 = 'Ответ верно.' Where Индекс = 1"}
        << QStringList{
               QStringLiteral("«%1», Раздел_3, вопрос № 1: отметка ответа 2 «Ответ верно.»").arg(names[3])};

    QTest::newRow("thresholds out of order")
        << MainFile
        << QStringList{QStringLiteral(
                           "Update Критерии_оценки Set Хорошо = Отлично Where Категория_специалиста = '%1'")
                           .arg(names[1])}
        << QStringList{QStringLiteral("«%1»: Критерии_оценки: пороги не по порядку").arg(names[1])};

    QTest::newRow("registered count")
        << MainFile
        << QStringList{QStringLiteral("Update Количество_вопросов_по_разделам Set Количество_вопросов = 99 "
                                      "Where Категория_специалиста = '%1' And Название_раздела = 'Раздел_4'")
                           .arg(names[4])}
        << QStringList{
               QStringLiteral("«%1», Раздел_4: в «Количество_вопросов_по_разделам» указано 99 вопросов")
                   .arg(names[4])};

    if (TestDataFolder::onServer()) {
        // On the server Выбор is the station's, one for every bank.
        QStringList all{QStringLiteral("«%1», Раздел_7: нет таблицы раздела").arg(names[8])};
        for (const QString& name : names)
            all << QStringLiteral("«%1»: нет таблицы «Выбор»").arg(name);
        QTest::newRow("missing section and Выбор") << bank(8) << QStringList{"Drop Table Раздел_7", "Drop Table Выбор"} << all;
    } else {
        QTest::newRow("missing section and Выбор")
            << bank(8) << QStringList{"Drop Table Раздел_7", "Drop Table Выбор"}
            << QStringList{QStringLiteral("«%1», Раздел_7: нет таблицы раздела").arg(names[8]),
                           QStringLiteral("«%1»: нет таблицы «Выбор»").arg(names[8])};
    }

    QTest::newRow("columns out of order")
        << bank(7)
        << QStringList{"Drop Table Раздел_6", "Create Table Раздел_6 (Индекс Integer Primary Key, Фото Image, "
                                              "Вопрос Text, Ответ_1 Text, "
                                              "Верно_Неверно_1 Text, Ответ_2 Text, Верно_Неверно_2 Text, "
                                              "Ответ_3 Text, Верно_Неверно_3 Text, "
                                              "Количество_ответов SmallInt)"}
        << QStringList{QStringLiteral("«%1», Раздел_6: столбцы «Индекс, Фото, Вопрос").arg(names[7])};
}

void TestBankCheck::findsPlantedFaults()
{
    QFETCH(QString, file);
    QFETCH(QStringList, statements);
    QFETCH(QStringList, expected);
    TestDataFolder data;
    alter(data, file, statements);
    const QStringList problems = check(data);
    for (const QString& line : expected) {
        const bool found = std::any_of(problems.cbegin(), problems.cend(),
                                       [&](const QString& p) { return p.startsWith(line); });
        QVERIFY2(found,
                 qPrintable(QStringLiteral("нет строки «%1» среди:\n%2").arg(line, problems.join(u'\n'))));
    }
    QVERIFY2(problems.size() <= expected.size() + 1, qPrintable(problems.join(u'\n')));
}

QTEST_MAIN(TestBankCheck)
#include "test_bank_check.moc"
