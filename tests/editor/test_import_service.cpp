// Filling a section from a question file and writing it back, on a copy of the demo data:
// the rows stored, the bank written, nothing changed on every kind of failure, and the pictures
// of a section carried by its picture folder.
#include "TestDataFolder.h"
#include "core/Categories.h"
#include "core/import/QuestionFileWriter.h"
#include "core/server/ServerNames.h"
#include "data/Db.h"
#include "data/TfrmADODataModule.h"
#include "data/demo/DemoData.h"
#include "editor/import/SectionExport.h"
#include "editor/import/SectionImport.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSqlQuery>
#include <QTest>

using QuestionFile::Question;

namespace {

QString writeFile(const TestDataFolder& data, const QString& name, const QByteArray& bytes)
{
    QFile f(data.filePath(name));
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
    return f.fileName();
}

QByteArray cp1251(const QString& text)
{
    return QuestionFile::encode(text);
}

// Five questions of section 3, the 2nd and 4th with two answers.
QByteArray sampleFile()
{
    QString t = QStringLiteral("Раздел 3. Проверка\r\n");
    for (int i = 1; i <= 5; ++i) {
        t += QStringLiteral("3.%1. Вопрос %1\r\nвторая строка\r\nОтв.1. Первый %1\r\nВерно\r\nОтв.2. "
                            "Второй\r\nНеверно\r\n")
                 .arg(i);
        if (i % 2)
            t += QStringLiteral("Отв.3. Третий\r\nОтвет неверно\r\n");
    }
    return cp1251(t);
}

struct Row
{
    int index;
    QStringList values; // every column after Индекс, NULL shown as "<NULL>"
};

// Every column of every row, in Индекс order, read on a connection of its own.
QList<Row> sectionRows(const QString& bankPath, const QString& section)
{
    QList<Row> rows;
    TestConnection c(bankPath);
    QSqlQuery q = Db::exec(c.db(), QStringLiteral("Select * From ") + section + QStringLiteral(" Order By Индекс"));
    while (q.next()) {
        Row r{q.value(0).toInt(), {}};
        for (int col = 1; col < 10; ++col)
            r.values << (q.isNull(col) ? QStringLiteral("<NULL>") : q.value(col).toString());
        rows << r;
    }
    return rows;
}

QString bankPath(const TestDataFolder& data, int position)
{
    return data.filePath(Categories::bankFileForPosition(position));
}

} // namespace

class TestImportService : public QObject
{
    Q_OBJECT
private slots:
    void storesEveryQuestionInFileOrder();
    void writesTheChosenCategoryBankOnly();
    void unreadableOrEmptyFileChangesNothing_data();
    void unreadableOrEmptyFileChangesNothing();
    void cancelledProgressRollsBack();
    void failureHalfWayRollsBack();
    void refusesWhatIsNotASection();
    void picturesComeBackAndAreNotLostUnasked();
};

void TestImportService::storesEveryQuestionInFileOrder()
{
    TestDataFolder data;
    QVERIFY(data.isValid());
    TfrmADODataModule dm;
    dm.openMainDatabase(data.path());
    const QString category = DemoData::categoryNames().at(2);
    const QString file = writeFile(data, QStringLiteral("раздел3.txt"), sampleFile());
    const QByteArray mainBefore = fileChecksum(data.filePath(QStringLiteral("BGD.mdb")));
    const QList<Row> section2Before = sectionRows(bankPath(data, 2), QStringLiteral("Раздел_2"));

    QList<int> progress;
    const SectionImport::Result r = SectionImport::importFile(
        dm, category, QStringLiteral("Раздел_3"), file,
        [&](int stored, int total) {
            progress << stored;
            return total == 5;
        },
        true);
    QCOMPARE(r.stored, 5);
    QVERIFY(r.diagnostics.isEmpty());
    QCOMPARE(progress.first(), 0);
    QCOMPARE(progress.last(), 5);

    const QList<Row> rows = sectionRows(bankPath(data, 2), QStringLiteral("Раздел_3"));
    QCOMPARE(rows.size(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(rows[i].index, i + 1);
        QCOMPARE(rows[i].values[0], QStringLiteral("%1. Вопрос %1\rвторая строка\r").arg(i + 1));
        QCOMPARE(rows[i].values[1], QStringLiteral("<NULL>")); // Фото
        QCOMPARE(rows[i].values[2], QStringLiteral("Первый %1\r").arg(i + 1));
        QCOMPARE(rows[i].values[3], QStringLiteral("Верно"));
        QCOMPARE(rows[i].values[5], QStringLiteral("Неверно"));
        const bool three = i % 2 == 0;
        QCOMPARE(rows[i].values[6], three ? QStringLiteral("Третий\r") : QStringLiteral("<NULL>"));
        QCOMPARE(rows[i].values[7], three ? QStringLiteral("Ответ неверно") : QStringLiteral("<NULL>"));
        QCOMPARE(rows[i].values[8], three ? QStringLiteral("3") : QStringLiteral("2"));
    }
    // Nothing else changed: the main database and the other sections.
    QCOMPARE(fileChecksum(data.filePath(QStringLiteral("BGD.mdb"))), mainBefore);
    QCOMPARE(sectionRows(bankPath(data, 2), QStringLiteral("Раздел_2")).size(), section2Before.size());
}

void TestImportService::writesTheChosenCategoryBankOnly()
{
    TestDataFolder data;
    TfrmADODataModule dm;
    dm.openMainDatabase(data.path());
    dm.connectCategoryBank(0, data.path()); // a mode window left the first category's bank open
    const QByteArray firstBank = fileChecksum(bankPath(data, 0));
    const QString file = writeFile(data, QStringLiteral("в.txt"), sampleFile());

    SectionImport::importFile(dm, DemoData::categoryNames().at(6), QStringLiteral("Раздел_3"), file, {},
                              true);
    QCOMPARE(fileChecksum(bankPath(data, 0)), firstBank);
    QCOMPARE(sectionRows(bankPath(data, 6), QStringLiteral("Раздел_3")).size(), 5);
    if (TestDataFolder::onServer())
        QCOMPARE(Db::serverPlacement(dm.ADOConnection).homeSchema, ServerNames::bankSchema(6));
    else
        QCOMPARE(dm.ADOConnection.databaseName(), bankPath(data, 6));
}

void TestImportService::unreadableOrEmptyFileChangesNothing_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << "нет.txt" << QByteArray() << "не найден";
    QTest::newRow("a folder") << "." << QByteArray() << "это папка";
    QTest::newRow("empty file") << "пусто.txt" << QByteArray("") << "не найдено ни одного вопроса";
    QTest::newRow("other section's questions")
        << "другой.txt" << cp1251("T\r\n1.1. q\r\nОтв.1. a\r\nВерно\r\nОтв.2. b\r\nНеверно\r\n")
        << "не найдено ни одного вопроса";
    QTest::newRow("cut before the second answer")
        << "обрыв.txt" << cp1251("T\r\n3.1. q\r\nОтв.1. a\r\nВерно\r\n") << "не найдено ни одного вопроса";
}

void TestImportService::unreadableOrEmptyFileChangesNothing()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    TestDataFolder data;
    TfrmADODataModule dm;
    dm.openMainDatabase(data.path());
    const QString path = bytes.isNull() ? data.filePath(fileName) : writeFile(data, fileName, bytes);
    const QByteArray before = fileChecksum(bankPath(data, 1));
    const QList<Row> rowsBefore = sectionRows(bankPath(data, 1), QStringLiteral("Раздел_3"));
    try {
        SectionImport::importFile(dm, DemoData::categoryNames().at(1), QStringLiteral("Раздел_3"), path);
        QFAIL("the import went on");
    } catch (const zorvek::Error& e) {
        QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        QVERIFY2(e.message().contains(QStringLiteral("не изменён")), qPrintable(e.message()));
    }
    QCOMPARE(fileChecksum(bankPath(data, 1)), before);
    QCOMPARE(sectionRows(bankPath(data, 1), QStringLiteral("Раздел_3")).size(), rowsBefore.size());
}

void TestImportService::cancelledProgressRollsBack()
{
    TestDataFolder data;
    TfrmADODataModule dm;
    dm.openMainDatabase(data.path());
    QString text = QStringLiteral("T\r\n");
    for (int i = 1; i <= 450; ++i)
        text += QStringLiteral("4.%1. q\r\nОтв.1. a\r\nВерно\r\nОтв.2. b\r\nНеверно\r\n").arg(i);
    const QString file = writeFile(data, QStringLiteral("много.txt"), cp1251(text));
    const QByteArray before = fileChecksum(bankPath(data, 3));
    const SectionImport::Result r = SectionImport::importFile(
        dm, DemoData::categoryNames().at(3), QStringLiteral("Раздел_4"), file,
        [](int stored, int) { return stored < 300; }, true);
    QCOMPARE(r.stored, -1);
    QCOMPARE(fileChecksum(bankPath(data, 3)), before);
}

void TestImportService::failureHalfWayRollsBack()
{
    TestDataFolder data;
    TfrmADODataModule dm;
    dm.openMainDatabase(data.path());
    dm.connectCategoryBank(4, data.path());
    const QByteArray before = fileChecksum(bankPath(data, 4));
    const QList<Row> rowsBefore = sectionRows(bankPath(data, 4), QStringLiteral("Раздел_5"));

    // The third question has no text at all, which the Not Null column refuses.
    QList<Question> qs(5);
    for (int i = 0; i < 5; ++i) {
        qs[i].text = i == 2 ? QString() : QStringLiteral("q\r");
        qs[i].answers[0] = {QStringLiteral("a\r"), QStringLiteral("Верно")};
        qs[i].answers[1] = {QStringLiteral("b\r"), QStringLiteral("Неверно")};
    }
    try {
        SectionImport::replaceSection(dm.ADOConnection, QStringLiteral("Раздел_5"), qs);
        QFAIL("the broken question was stored");
    } catch (const zorvek::Error& e) {
        QVERIFY2(e.message().startsWith(QStringLiteral("Ошибка при записи вопроса № 3")),
                 qPrintable(e.message()));
    }
    dm.ADOConnection.close();
    QCOMPARE(fileChecksum(bankPath(data, 4)), before);
    const QList<Row> rowsAfter = sectionRows(bankPath(data, 4), QStringLiteral("Раздел_5"));
    QCOMPARE(rowsAfter.size(), rowsBefore.size());
    for (qsizetype i = 0; i < rowsAfter.size(); ++i)
        QCOMPARE(rowsAfter[i].values, rowsBefore[i].values);
}

void TestImportService::refusesWhatIsNotASection()
{
    TestDataFolder data;
    const QString file = writeFile(data, QStringLiteral("ф.txt"), sampleFile());
    for (const QString& section :
         {QString(), QStringLiteral("Раздел_"), QStringLiteral("Журнал"),
          QStringLiteral("Раздел_1; DROP TABLE Выбор"), QStringLiteral("Раздел_10")}) {
        try {
            SectionImport::readFile(file, section);
            QFAIL(qPrintable(section));
        } catch (const zorvek::Error& e) {
            QVERIFY(!e.message().isEmpty());
        }
    }
}

void TestImportService::picturesComeBackAndAreNotLostUnasked()
{
    TestDataFolder data;
    TfrmADODataModule dm;
    dm.openMainDatabase(data.path());
    const QString category = DemoData::categoryNames().at(0);
    const QString section = QStringLiteral("Раздел_3");
    const QString bank = bankPath(data, 0);
    const QString file = data.filePath(QStringLiteral("р3.txt"));
    const QString folder = data.filePath(QStringLiteral("р3_рисунки"));
    auto picture = [&](int index) {
        return Db::scalar(dm.ADOConnection, QStringLiteral("Select Фото From Раздел_3 Where Индекс = ?"),
                          {index})
            .toByteArray();
    };

    const SectionExport::Result out = SectionExport::exportSection(dm, category, section);
    QCOMPARE(SectionExport::writeFiles(out, file), 1);
    const int withPicture =
        Db::scalar(dm.ADOConnection, QStringLiteral("Select Индекс From Раздел_3 Where Фото Is Not Null"))
            .toInt();
    const QByteArray stored = picture(withPicture);
    QFile exported(QStringLiteral("%1/%2.bmp").arg(folder).arg(withPicture));
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QCOMPARE(exported.readAll(), stored);
    exported.close();

    // Without the folder the section would lose its picture: refused, unless asked for.
    QVERIFY(QDir().rename(folder, folder + QStringLiteral("-прочь")));
    const QByteArray before = fileChecksum(bank);
    try {
        SectionImport::importFile(dm, category, section, file);
        QFAIL("a picture was dropped unasked");
    } catch (const SectionImport::PictureLoss& e) {
        QVERIFY2(e.message().contains(QStringLiteral("1 рисунок")), qPrintable(e.message()));
    }
    dm.ADOConnection.close();
    QCOMPARE(fileChecksum(bank), before);
    QCOMPARE(SectionImport::importFile(dm, category, section, file, {}, true).stored, out.count);
    QVERIFY(picture(withPicture).isEmpty());

    // The folder back, and a PNG picture added for question 1: stored as a bitmap beside the other.
    QVERIFY(QDir().rename(folder + QStringLiteral("-прочь"), folder));
    QImage png(16, 8, QImage::Format_ARGB32);
    png.fill(Qt::red);
    QVERIFY(png.save(folder + QStringLiteral("/1.png"), "PNG"));
    QCOMPARE(SectionImport::importFile(dm, category, section, file).stored, out.count);
    QCOMPARE(picture(withPicture), stored);
    QVERIFY(picture(1).startsWith("BM"));
    QCOMPARE(QImage::fromData(picture(1)).size(), QSize(16, 8));

    // Pictures that name no question of the file, or one question twice, change nothing.
    for (const QString& name : {QStringLiteral("%1.bmp").arg(out.count + 1), QStringLiteral("схема.bmp"),
                                QStringLiteral("1.jpg")}) {
        QVERIFY(QFile::copy(exported.fileName(), folder + u'/' + name));
        const QByteArray unchanged = fileChecksum(bank);
        try {
            SectionImport::readFile(file, section);
            QFAIL(qPrintable(name));
        } catch (const zorvek::Error& e) {
            QVERIFY2(e.message().contains(name), qPrintable(e.message()));
        }
        QCOMPARE(fileChecksum(bank), unchanged);
        QFile::remove(folder + u'/' + name);
    }
}

QTEST_MAIN(TestImportService)
#include "test_import_service.moc"
