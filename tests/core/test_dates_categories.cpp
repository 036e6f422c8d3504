// Dates as users see them and as the files keep them; categories, banks and sections.
#include "core/Categories.h"
#include "core/Clock.h"
#include "core/Dates.h"
#include "core/Global.h"
#include "core/RussianPlural.h"

#include <QLocale>
#include <QTest>

class TestDatesCategories : public QObject
{
    Q_OBJECT
private slots:
    void displayIgnoresMachineLocale_data();
    void displayIgnoresMachineLocale();
    void storageRoundTrip();
    void timeShownOnlyWhenNotMidnight();
    void textToStorageRejectsGarbage();
    void nextCheckDate_data();
    void nextCheckDate();
    void bankFileByPosition();
    void positionOfCategory();
    void sectionsOfferedPerPosition();
    void sectionNames();
    void clockCanBeFixed();
    void globalStartValues();
    void nounsAgreeWithNumbers();
};

void TestDatesCategories::displayIgnoresMachineLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::newRow("en_US") << QStringLiteral("en_US");
    QTest::newRow("de_DE") << QStringLiteral("de_DE");
    QTest::newRow("ja_JP") << QStringLiteral("ja_JP");
    QTest::newRow("ru_RU") << QStringLiteral("ru_RU");
}

void TestDatesCategories::displayIgnoresMachineLocale()
{
    QFETCH(QString, locale);
    const QLocale saved;
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(Dates::toText(QDate(2024, 1, 31)), QStringLiteral("31.01.2024"));
    QCOMPARE(Dates::storageToText(QStringLiteral("2025-03-05")), QStringLiteral("05.03.2025"));
    QCOMPARE(Dates::fromText(QStringLiteral("05.03.2025")), QDate(2025, 3, 5));
    QLocale::setDefault(saved);
}

void TestDatesCategories::storageRoundTrip()
{
    const QDate d(2024, 2, 29);
    QCOMPARE(Dates::toStorage(d).toString(), QStringLiteral("2024-02-29"));
    QCOMPARE(Dates::fromStorage(Dates::toStorage(d)).date(), d);
    // Invalid and empty values are stored as null and shown as empty text.
    QVERIFY(Dates::toStorage(QDate()).isNull());
    QCOMPARE(Dates::storageToText(QVariant()), QString());
    QCOMPARE(Dates::storageToText(QStringLiteral("")), QString());
    // Stored text sorts like the dates it holds.
    QVERIFY(Dates::toStorage(QDate(2025, 1, 2)).toString() > Dates::toStorage(QDate(2024, 12, 31)).toString());
    // Values of an engine that has a date type are read too.
    QCOMPARE(Dates::fromStorage(QVariant(QDate(2020, 5, 1))).date(), QDate(2020, 5, 1));
}

void TestDatesCategories::timeShownOnlyWhenNotMidnight()
{
    QCOMPARE(Dates::toText(QDateTime(QDate(2024, 1, 2), QTime(0, 0))), QStringLiteral("02.01.2024"));
    QCOMPARE(Dates::toText(QDateTime(QDate(2024, 1, 2), QTime(9, 5, 7))), QStringLiteral("02.01.2024 09:05:07"));
    QCOMPARE(Dates::storageToText(QStringLiteral("2024-01-02T13:45:00")), QStringLiteral("02.01.2024 13:45:00"));
}

void TestDatesCategories::textToStorageRejectsGarbage()
{
    bool ok = true;
    QCOMPARE(Dates::textToStorage(QStringLiteral("31.02.2024"), &ok), QVariant(QMetaType::fromType<QString>()));
    QVERIFY(!ok);
    Dates::textToStorage(QStringLiteral("вчера"), &ok);
    QVERIFY(!ok);
    QVERIFY(Dates::textToStorage(QStringLiteral("  "), &ok).isNull());
    QVERIFY(ok);
    QCOMPARE(Dates::textToStorage(QStringLiteral("1.2.2024"), &ok).toString(), QStringLiteral("2024-02-01"));
}

void TestDatesCategories::nextCheckDate_data()
{
    QTest::addColumn<QDate>("examDay");
    QTest::addColumn<bool>("admin");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("admin 36 months") << QDate(2024, 1, 31) << true << QDate(2027, 1, 31);
    QTest::newRow("other 12 months") << QDate(2024, 1, 31) << false << QDate(2025, 1, 31);
    QTest::newRow("29 Feb + 12 clamps") << QDate(2024, 2, 29) << false << QDate(2025, 2, 28);
    QTest::newRow("29 Feb + 36 clamps") << QDate(2024, 2, 29) << true << QDate(2027, 2, 28);
    QTest::newRow("28 Feb 2023 + 12") << QDate(2023, 2, 28) << false << QDate(2024, 2, 28);
}

void TestDatesCategories::nextCheckDate()
{
    QFETCH(QDate, examDay);
    QFETCH(bool, admin);
    QFETCH(QDate, expected);
    const QString category = admin ? Categories::AdminCategory : QStringLiteral("Энергодиспетчеры");
    QCOMPARE(Categories::nextCheckDate(examDay, category), expected);
    // The administrative name must match exactly: a trailing blank is another category.
    if (admin)
        QCOMPARE(Categories::nextCheckDate(examDay, category + QLatin1Char(' ')), Dates::addMonths(examDay, 12));
}

void TestDatesCategories::bankFileByPosition()
{
    QCOMPARE(Categories::bankFileForPosition(0), QStringLiteral("Ответственные_за_электрохозяйство.mdb"));
    QCOMPARE(Categories::bankFileForPosition(1), QStringLiteral("Энергодиспетчер.mdb"));
    QCOMPARE(Categories::bankFileForPosition(5), QStringLiteral("Электромонтёры и электромеханики V группа.mdb"));
    QCOMPARE(Categories::bankFileForPosition(8), QStringLiteral("Электромонтёры II группа.mdb"));
    QCOMPARE(Categories::bankFileForPosition(-1), QString());
    QCOMPARE(Categories::bankFileForPosition(9), QString());
    QCOMPARE(Categories::bankFiles().size(), 9);
}

void TestDatesCategories::positionOfCategory()
{
    const QStringList names{QStringLiteral("А"), QStringLiteral("Б \"В\""), QStringLiteral("Б \"В\"")};
    QCOMPARE(Categories::findPosition(names, QStringLiteral("Б \"В\"")), 1);  // the first match wins
    QCOMPARE(Categories::findPosition(names, QStringLiteral("б \"в\"")), -1); // exact, case-sensitive
    QCOMPARE(Categories::findPosition(names, QStringLiteral("А ")), -1);      // no trimming
    QCOMPARE(Categories::findPosition({}, QStringLiteral("А")), -1);         // empty table
}

void TestDatesCategories::sectionsOfferedPerPosition()
{
    for (int p = 1; p <= 4; ++p)
        for (int s = 1; s <= 9; ++s)
            QVERIFY(Categories::sectionOffered(p, s));
    for (int s = 1; s <= 9; ++s) {
        QCOMPARE(Categories::sectionOffered(5, s), s != 7 && s != 8);
        for (int p = 6; p <= 9; ++p)
            QCOMPARE(Categories::sectionOffered(p, s), s <= 5 || s == 9);
    }
    QVERIFY(!Categories::sectionOffered(1, 0));
    QVERIFY(!Categories::sectionOffered(1, 10));
}

void TestDatesCategories::sectionNames()
{
    QCOMPARE(Categories::sectionTableName(3), QStringLiteral("Раздел_3"));
    QCOMPARE(Categories::sectionNumber(QStringLiteral("Раздел_9")), 9);
    QCOMPARE(Categories::sectionNumber(QStringLiteral("Раздел_0")), 0);
    QCOMPARE(Categories::sectionNumber(QStringLiteral("Раздел_10")), 0);
    QCOMPARE(Categories::sectionNumber(QString()), 0);
}

void TestDatesCategories::clockCanBeFixed()
{
    Clock::setToday(QDate(2024, 2, 29));
    QCOMPARE(Clock::today(), QDate(2024, 2, 29));
    Clock::setToday(QDate());
    QCOMPARE(Clock::today(), QDate::currentDate());
}

void TestDatesCategories::globalStartValues()
{
    Global::resetAll();
    QCOMPARE(Global::RegimRaboty, quint8(0));
    QCOMPARE(Global::PokazPodskazki, quint8(1));
    QVERIFY(Global::NameKategorii.isEmpty());
    // Drawn question numbers are not limited to 1..255.
    Global::VyborSet.insert(1000);
    QVERIFY(Global::VyborSet.contains(1000));
    Global::resetAll();
    QVERIFY(Global::VyborSet.isEmpty());
}

void TestDatesCategories::nounsAgreeWithNumbers()
{
    const QList<std::pair<int, QString>> cases{
        {0, "0 вопросов"},    {1, "1 вопрос"},     {2, "2 вопроса"},     {4, "4 вопроса"},
        {5, "5 вопросов"},    {11, "11 вопросов"}, {12, "12 вопросов"},  {14, "14 вопросов"},
        {21, "21 вопрос"},    {22, "22 вопроса"},  {25, "25 вопросов"},  {101, "101 вопрос"},
        {111, "111 вопросов"}, {112, "112 вопросов"}, {1002, "1002 вопроса"}};
    for (const auto& [n, text] : cases)
        QCOMPARE(RussianPlural::questions(n), text);
    QCOMPARE(RussianPlural::pictures(3), QStringLiteral("3 рисунка"));
    QCOMPARE(RussianPlural::categories(8), QStringLiteral("8 категорий"));
}

QTEST_GUILESS_MAIN(TestDatesCategories)
#include "test_dates_categories.moc"
