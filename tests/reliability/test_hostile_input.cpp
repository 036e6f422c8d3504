// Hostile import files and hostile names: no crash, no hang, a clear message, nothing half-written.
#include "ReliabilitySupport.h"
#include "TestDataFolder.h"
#include "core/Categories.h"

#include <QFile>
#include <QTest>

using namespace Reliability;

class TestHostileInput : public QObject
{
    Q_OBJECT
private slots:
    void junkImportFiles_data();
    void junkImportFiles();
    void hostileTextsAreStoredAsTheyAre();
    void hostileWorkerNameGoesThroughAnExam();
};

void TestHostileInput::junkImportFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QByteArray junk(256 * 1024, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 2246822519u) >> 11);
    QTest::newRow("binary junk") << junk;
    QTest::newRow("one 100 MB line") << QByteArray(100 * 1024 * 1024, 'A');
    QByteArray utf16 = QByteArrayLiteral("\xFF\xFE");
    const QString text = QStringLiteral("Заголовок\r\n1.1. Вопрос?\r\nОтв.1. Да\r\nВерно\r\nОтв.2. Нет\r\nНеверно\r\n");
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    QTest::newRow("UTF-16") << utf16;
    QTest::newRow("NUL bytes") << QByteArray("T\r\n1.1. \0\0\0 Вопрос\r\nОтв.1.\0\r\nВерно\r\n", 40) + QByteArray(4096, '\0');
    QTest::newRow("truncated UTF-8 tail") << QByteArray("\xEF\xBB\xBFЗаголовок\r\n1.1. Вопрос\r\nОтв.1. Да\r\nВерно\r\nОтв.2. \xD0");
    QTest::newRow("empty") << QByteArray();
}

void TestHostileInput::junkImportFiles()
{
    QFETCH(QByteArray, content);
    TestDataFolder data;
    const QString bgd = data.filePath(QStringLiteral("BGD.mdb"));
    const QString category = scalar(bgd, QStringLiteral("Select Название_группы From Группа_по_безопасности Order By Порядковый_номер")).toString();
    const QString bank = data.filePath(Categories::bankFileForPosition(0));
    const QByteArray before = tableDigest(bank, QStringLiteral("Раздел_1"));
    QFile f(data.filePath(QStringLiteral("junk.txt")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    const RunResult r = runCli({QStringLiteral("import"), QStringLiteral("--category"), category, QStringLiteral("--section"),
                                QStringLiteral("1"), f.fileName()},
                               data.path(), 120000);
    QVERIFY2(!r.crashed, qPrintable(r.err));
    QVERIFY(!r.timedOut);
    QVERIFY2(r.exitCode == 0 || !r.err.trimmed().isEmpty(), "a refusal must say why");
    QCOMPARE(integrityCheck(bank), QStringLiteral("ok"));
    if (r.exitCode != 0)
        QCOMPARE(tableDigest(bank, QStringLiteral("Раздел_1")), before);
}

void TestHostileInput::hostileTextsAreStoredAsTheyAre()
{
    TestDataFolder data;
    const QString bgd = data.filePath(QStringLiteral("BGD.mdb"));
    const QString category = scalar(bgd, QStringLiteral("Select Название_группы From Группа_по_безопасности Order By Порядковый_номер")).toString();
    const QString bank = data.filePath(Categories::bankFileForPosition(0));
    const QString evil = QStringLiteral("Что значит \"; Drop Table Раздел_1;-- и 'кавычки'?");
    QString text = QStringLiteral("Заголовок\r\n1.1. ") + evil + QStringLiteral("\r\nОтв.1. Ответ \"; Delete From Выбор;--\r\nВерно\r\n")
                   + QStringLiteral("Отв.2. Ответ 'два'\r\nНеверно\r\n");
    QFile f(data.filePath(QStringLiteral("evil.txt")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8());
    f.close();
    const RunResult r = runCli({QStringLiteral("import"), QStringLiteral("--category"), category, QStringLiteral("--section"),
                                QStringLiteral("1"), f.fileName()},
                               data.path());
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    const QList<QVariantList> stored = rows(bank, QStringLiteral("Select Вопрос, Ответ_1 From Раздел_1"));
    QCOMPARE(stored.size(), 1);
    QVERIFY(stored.first().at(0).toString().contains(evil.mid(0, 20)));
    QVERIFY(stored.first().at(1).toString().contains(QStringLiteral("\"; Delete From Выбор;--")));
    QVERIFY(!rows(bank, QStringLiteral("Select Count(*) From Выбор")).isEmpty());  // the table is still there
}

void TestHostileInput::hostileWorkerNameGoesThroughAnExam()
{
    TestDataFolder data;
    const QString bgd = data.filePath(QStringLiteral("BGD.mdb"));
    const QString evil = QStringLiteral("О'Брайен \"Пётр\"; Delete From Журнал_All;--");
    const int worker = scalar(bgd, QStringLiteral("Select Код From Персонал Where Должность <> '' And Стаж <> '' Order By Код")).toInt();
    rows(bgd, QStringLiteral("Update Персонал Set Фамилия_Имя_Отчество = ?, Линейное_подразделение = ?, Стаж = ? Where Код = ?"),
         {evil, evil, evil.left(40), worker});
    const int before = scalar(bgd, QStringLiteral("Select Count(*) From Журнал_All")).toInt();
    const RunResult r = runCli({QStringLiteral("exam"), QStringLiteral("--worker"), QString::number(worker), QStringLiteral("--reason"),
                                QStringLiteral("Первичная")},
                               data.path());
    QVERIFY2(r.exitCode == 0, qPrintable(r.err));
    QCOMPARE(scalar(bgd, QStringLiteral("Select Count(*) From Журнал_All")).toInt(), before + 1);
    QCOMPARE(scalar(bgd, QStringLiteral("Select Count(*) From Журнал_All Where ФИО = ? And Наименование_подразделения = ?"), {evil, evil}).toInt(), 1);
}

QTEST_MAIN(TestHostileInput)
#include "test_hostile_input.moc"
