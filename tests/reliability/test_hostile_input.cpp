// Hostile import files and hostile names: no crash, no hang, a clear message, nothing half-written.
#include "ReliabilitySupport.h"
#include "TestDataFolder.h"
#include "core/Categories.h"
#include "core/Error.h"
#include "editor/PictureFile.h"

#include <QFile>
#include <QTemporaryDir>
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
    void hostilePictureFiles_data();
    void hostilePictureFiles();
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
    const RunResult r = runCli({QStringLiteral("import"), QStringLiteral("--drop-pictures"), QStringLiteral("--category"), category, QStringLiteral("--section"),
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
    const RunResult r = runCli({QStringLiteral("import"), QStringLiteral("--drop-pictures"), QStringLiteral("--category"), category, QStringLiteral("--section"),
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

void TestHostileInput::hostilePictureFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty jpg") << QStringLiteral("empty.jpg") << QByteArray();
    QTest::newRow("truncated jpg") << QStringLiteral("cut.JPG") << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01", 18);
    // A bitmap header that claims 30000 x 30000 points, 24 bits, and holds almost nothing.
    QByteArray huge("BM", 2);
    auto le32 = [&](quint32 v) { for (int i = 0; i < 4; ++i) huge += char((v >> (8 * i)) & 0xFF); };
    auto le16 = [&](quint16 v) { huge += char(v & 0xFF); huge += char(v >> 8); };
    le32(54 + 16); le32(0); le32(54);                  // file size, reserved, pixel offset
    le32(40); le32(30000); le32(30000); le16(1); le16(24); le32(0); le32(0); le32(2835); le32(2835); le32(0); le32(0);
    huge += QByteArray(16, '\x7f');
    QTest::newRow("bmp claiming 30000x30000") << QStringLiteral("huge.bmp") << huge;
    QTest::newRow("junk named bmp") << QStringLiteral("junk.bmp") << QByteArray(1000, '\x42');
}

void TestHostileInput::hostilePictureFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(name);
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    try {
        const QByteArray bmp = PictureFile::loadAsBitmap(path);
        QFAIL("a broken picture was accepted");
    } catch (const zorvek::Error& e) {
        QVERIFY2(e.message().contains(name), qPrintable(e.message()));
    }
}

QTEST_MAIN(TestHostileInput)
#include "test_hostile_input.moc"
