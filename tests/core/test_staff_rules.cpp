// A staff list file read as CSV (encoding, separator, quoting) and planned against the staff
// table: columns matched by name or caption, every row's problems, add or update by full name.
#include "core/staff/StaffCsv.h"
#include "core/staff/StaffRules.h"

#include <QTest>

namespace {

const QString Category = QStringLiteral("Электромонтёры III группа");

StaffRules::Context context(QList<StaffRules::Worker> staff = {})
{
    StaffRules::Context c;
    c.columns = {{QStringLiteral("Код"), QStringLiteral("№")},
                 {QStringLiteral("Фамилия_Имя_Отчество"), QStringLiteral("Фамилия Имя Отчество")},
                 {QStringLiteral("Группа_по_электробезопасности"), QStringLiteral("Группа")},
                 {QStringLiteral("Дата_сдачи_экзамена"), QStringLiteral("Дата сдачи экзамена")},
                 {QStringLiteral("Система_тока"), QStringLiteral("Система ")},
                 {QStringLiteral("Категория_специалиста"), QString()}};
    c.categories = {Category, QStringLiteral("Энергодиспетчеры")};
    c.staff = std::move(staff);
    return c;
}

StaffRules::Plan planOf(const QString& csv, QList<StaffRules::Worker> staff = {})
{
    return StaffRules::plan(StaffCsv::read(csv.toUtf8()), context(std::move(staff)));
}

} // namespace

class TestStaffRules : public QObject
{
    Q_OBJECT
private slots:
    void encodingIsDetected()
    {
        const QString text = QStringLiteral("ФИО;Категория\r\nЁлкин;Энергодиспетчеры\r\n");
        const StaffCsv::Decoded utf8 = StaffCsv::decode(text.toUtf8());
        QCOMPARE(utf8.encoding, StaffCsv::Encoding::Utf8);
        QCOMPARE(utf8.text, text);
        const StaffCsv::Decoded bom = StaffCsv::decode(QByteArray(QByteArray("\xEF\xBB\xBF") + text.toUtf8()));
        QCOMPARE(bom.text, text);
        // "Ёлкин" in Windows-1251: bytes that are no valid UTF-8.
        const StaffCsv::Decoded cp = StaffCsv::decode(QByteArray("\xA8\xEB\xEA\xE8\xED"));
        QCOMPARE(cp.encoding, StaffCsv::Encoding::Windows1251);
        QCOMPARE(cp.text, QStringLiteral("Ёлкин"));
    }

    void separatorQuotesAndRowNumbers()
    {
        QCOMPARE(StaffCsv::separator(u"a,b,c\nx;y"), QChar(u','));
        QCOMPARE(StaffCsv::separator(u"\n\n\"a,b\";c"), QChar(u';'));
        // A quoted field holds the separator, a doubled quote and a line break; the row after it
        // is numbered by the line it starts on, blank lines are left out.
        const SheetTable t = StaffCsv::parse(u"ФИО,Должность\n\"Иванов, И.\",\"Мастер \"\"А\"\"\nучастка\"\n\nПетров,", u',');
        QCOMPARE(t.rows.size(), 3);
        QCOMPARE(t.rows.at(1).cells.at(0).toString(), QStringLiteral("Иванов, И."));
        QCOMPARE(t.rows.at(1).cells.at(1).toString(), QStringLiteral("Мастер \"А\"\nучастка"));
        QCOMPARE(t.rows.at(2).number, 5);
        QCOMPARE(t.rows.at(2).cells.at(0).toString(), QStringLiteral("Петров"));
        QVERIFY(t.rows.at(2).cells.at(1).isNull());
    }

    void columnsMatchByNameOrCaption()
    {
        // Title lines above the header, captions in other case and with a colon, an unknown column.
        const StaffRules::Plan p = planOf(QStringLiteral(
            "Список персонала ЭЧК-5;;\n\nфамилия имя отчество;СИСТЕМА:;Категория специалиста;Примечание\n"
            "Иванов Иван Иванович;переменного тока;Энергодиспетчеры;x\n"));
        QVERIFY2(p.acceptable(), qPrintable(p.problemLines().join(u'\n')));
        QCOMPARE(p.headerRow, 3);
        QCOMPARE(p.matched.value(QStringLiteral("Система_тока")), QStringLiteral("СИСТЕМА:"));
        QCOMPARE(p.matched.value(QStringLiteral("Категория_специалиста")), QStringLiteral("Категория специалиста"));
        QCOMPARE(p.ignoredHeaders, QStringList{QStringLiteral("Примечание")});
        QCOMPARE(p.rows.first().values.value(QStringLiteral("Система_тока")).toString(), QStringLiteral("переменного тока"));
    }

    void everyRowProblemIsNamed()
    {
        const StaffRules::Plan p = planOf(QStringLiteral(
            "№;Фамилия Имя Отчество;Группа;Дата сдачи экзамена;Система;Категория_специалиста\n"
            "1;Петров П. П.;III;01.02.2025;постоянного тока;Электромонтёры III группа\n"
            "2;Сидоров С. С.;III;01.02.2025;трёхфазного;Электромонтёры III группа\n"
            "3;;III;;;Электромонтёры III группа\n"
            "4;Кузнецов К. К.;VI;31.02.2025;;Сварщики\n"
            "5;петров  п. п.;;;;\n"
            "x;Попов А. А.;;;;\n"));
        QVERIFY(!p.acceptable());
        const QStringList lines = p.problemLines();
        const auto has = [&](const QString& s) {
            return std::any_of(lines.cbegin(), lines.cend(), [&](const QString& l) { return l.startsWith(s); });
        };
        QVERIFY2(has(QStringLiteral("строка 3: неизвестная система тока «трёхфазного»")), qPrintable(lines.join(u'\n')));
        QVERIFY(has(QStringLiteral("строка 4: нет ФИО")));
        QVERIFY(has(QStringLiteral("строка 5: «Группа»: группа по электробезопасности «VI»")) ||
                has(QStringLiteral("строка 5: группа по электробезопасности «VI»")));
        QVERIFY(has(QStringLiteral("строка 5: «Дата сдачи экзамена»: «31.02.2025» — не дата")));
        QVERIFY(has(QStringLiteral("строка 5: неизвестная категория специалиста «Сварщики»")));
        QVERIFY(has(QStringLiteral("строка 6: работник «петров п. п.» уже есть в строке 2")));
        QVERIFY(has(QStringLiteral("строка 7: «№»: «x»")));
        QCOMPARE(p.count(StaffRules::Action::Refused), 5);
        QCOMPARE(p.rows.first().action, StaffRules::Action::Add);
    }

    void fileWithoutNameColumnIsRefused()
    {
        const StaffRules::Plan p = planOf(QStringLiteral("Код;Должность\n1;Мастер\n"));
        QVERIFY(!p.acceptable());
        QCOMPARE(p.fileProblems.size(), 1);
        QVERIFY(p.rows.isEmpty());
    }

    void sameNameUpdatesOthersAreAdded()
    {
        const QList<StaffRules::Worker> staff{{7, QStringLiteral("Иванов Иван Иванович")}, {12, QStringLiteral("Орлов О. О.")}};
        const StaffRules::Plan p = planOf(QStringLiteral("ФИО;Группа;Система;Категория_специалиста\n"
                                                         "иванов  иван иванович;4;Переменного;\n"
                                                         "Новиков Н. Н.;;;\n"
                                                         "Егоров Е. Е.;;;электромонтёры iii  группа\n"),
                                          staff);
        QVERIFY2(p.acceptable(), qPrintable(p.problemLines().join(u'\n')));
        QCOMPARE(p.count(StaffRules::Action::Update), 1);
        QCOMPARE(p.count(StaffRules::Action::Add), 2);
        const StaffRules::Row& update = p.rows.at(0);
        QCOMPARE(update.code, 7);
        QCOMPARE(update.values.value(QStringLiteral("Группа_по_электробезопасности")).toString(), QStringLiteral("IV"));
        QCOMPARE(update.values.value(QStringLiteral("Система_тока")).toString(), QStringLiteral("переменного тока"));
        // An empty cell changes nothing stored.
        QVERIFY(!p.rows.at(1).values.contains(QStringLiteral("Система_тока")));
        // New workers get the numbers after the largest one in use, in file order.
        QCOMPARE(p.rows.at(1).code, 13);
        QCOMPARE(p.rows.at(2).code, 14);
        QCOMPARE(p.rows.at(2).values.value(QStringLiteral("Категория_специалиста")).toString(), Category);
    }

    void numberOfAnotherWorkerIsRefused()
    {
        const QList<StaffRules::Worker> staff{{7, QStringLiteral("Иванов И. И.")}};
        const StaffRules::Plan p = planOf(QStringLiteral("№;ФИО\n7;Петров П. П.\n8;Сидоров С. С.\n8;Орлов О. О.\n"), staff);
        QCOMPARE(p.problemLines(), (QStringList{QStringLiteral("строка 2: № 7 уже у работника «Иванов И. И.»"),
                                                QStringLiteral("строка 4: № 8 уже указан в строке 3")}));
    }

    void spreadsheetDates()
    {
        QCOMPARE(StaffRules::cellDate(45658.0), QDate(2025, 1, 1));
        QCOMPARE(StaffRules::cellDate(QStringLiteral("5.3.2024")), QDate(2024, 3, 5));
        QCOMPARE(StaffRules::cellDate(QStringLiteral("2024-03-05")), QDate(2024, 3, 5));
        QVERIFY(!StaffRules::cellDate(QStringLiteral("весной")).isValid());
        QVERIFY(!StaffRules::cellDate(-3.0).isValid());
    }
};

QTEST_GUILESS_MAIN(TestStaffRules)
#include "test_staff_rules.moc"
