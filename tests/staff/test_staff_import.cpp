// A unit's first day on the command's code: a new unit database, its staff list brought in from
// CSV and XLSX (added, then updated; a refused row stores nothing), the sections check names, and
// the journal written as a spreadsheet and read back with typed cells.
#include "TestDataFolder.h"
#include "core/Categories.h"
#include "data/Db.h"
#include "data/TfrmADODataModule.h"
#include "data/demo/DemoData.h"
#include "data/unit/UnitDatabase.h"
#include "editor/import/BankCheck.h"
#include "print/JournalSheet.h"
#include "sheets/XlsxReader.h"
#include "sheets/XlsxWriter.h"
#include "staff/StaffImport.h"

#include <QTemporaryDir>
#include <QTest>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

namespace {

const QString Header = QStringLiteral("№;Фамилия Имя Отчество;Должность;Группа;Дата сдачи экзамена;Система;"
                                      "Категория_специалиста");

// `count` workers of every category in turn; the row `badRow` (1-based among workers) gets an unknown category.
QStringList workers(int count, int badRow = 0)
{
    const QStringList categories = DemoData::categoryNames();
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("%1;Работник %1 Тестовый;Электромонтёр;III;%2.03.2025;%3;%4")
                     .arg(i)
                     .arg(i % 28 + 1)
                     .arg(i % 2 ? QStringLiteral("переменного тока") : QStringLiteral("постоянного тока"))
                     .arg(i == badRow ? QStringLiteral("Сварщики") : categories.at(i % 9));
    return lines;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// The same rows as an .xlsx sheet: texts, numbers and the dates as date cells.
void writeXlsx(const QString& path, const QStringList& lines)
{
    XlsxWriter::Sheet sheet(path, QStringLiteral("Персонал"));
    const QStringList header = Header.split(u';');
    for (int c = 0; c < header.size(); ++c)
        sheet.header(c, header.at(c));
    for (int r = 0; r < lines.size(); ++r) {
        const QStringList cells = lines.at(r).split(u';');
        sheet.number(r + 1, 0, cells.at(0).toInt());
        for (int c = 1; c < cells.size(); ++c) {
            if (c == 4)
                sheet.date(r + 1, c, QDate::fromString(cells.at(c), QStringLiteral("d.MM.yyyy")));
            else
                sheet.text(r + 1, c, cells.at(c));
        }
    }
    sheet.finish(int(lines.size()), int(header.size()));
}

int staffCount(TfrmADODataModule& dm)
{
    return Db::scalar(dm.ADOConnectionGlb, QStringLiteral("Select Count(*) From Персонал")).toInt();
}

// A minimal workbook as other programs write it: inline strings, a custom date format, a 1904 base.
void writeForeignXlsx(const QString& path)
{
    QuaZip zip(path);
    QVERIFY(zip.open(QuaZip::mdCreate));
    const auto part = [&](const QString& name, const QByteArray& xml) {
        QuaZipFile f(&zip);
        QVERIFY(f.open(QIODevice::WriteOnly, QuaZipNewInfo(name)));
        f.write(xml);
        f.close();
    };
    const QByteArray ns = "xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                          "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"";
    part(QStringLiteral("xl/workbook.xml"), "<workbook " + ns + "><workbookPr date1904=\"1\"/><sheets>"
                                            "<sheet name=\"Лист\" sheetId=\"1\" r:id=\"rId5\"/></sheets></workbook>");
    part(QStringLiteral("xl/_rels/workbook.xml.rels"),
         "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
         "<Relationship Id=\"rId5\" Type=\"x\" Target=\"/xl/worksheets/list.xml\"/></Relationships>");
    part(QStringLiteral("xl/styles.xml"), "<styleSheet " + ns + "><numFmts><numFmt numFmtId=\"170\" "
                                          "formatCode=\"[$-419]d\\ mmmm\\ yyyy&quot;г.&quot;\"/></numFmts>"
                                          "<cellXfs><xf numFmtId=\"0\"/><xf numFmtId=\"170\"/><xf numFmtId=\"20\"/></cellXfs></styleSheet>");
    part(QStringLiteral("xl/worksheets/list.xml"),
         "<worksheet " + ns + "><sheetData>"
         "<row r=\"2\"><c r=\"B2\" t=\"inlineStr\"><is><t>ФИО</t></is></c><c r=\"D2\" t=\"inlineStr\"><is>"
         "<r><t>Дата сдачи </t></r><r><t>экзамена</t></r></is></c></row>"
         "<row r=\"3\"><c r=\"B3\" t=\"inlineStr\"><is><t>Орлов О. О.</t></is></c><c r=\"C3\" s=\"2\"><v>0.5</v></c>"
         "<c r=\"D3\" s=\"1\"><v>43830</v></c></row></sheetData></worksheet>");
    zip.close();
}

} // namespace

class TestStaffImport : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

private slots:
    void newUnitDatabaseHoldsTheCategoriesAndNothingElse()
    {
        const QString folder = m_dir.filePath(QStringLiteral("unit"));
        QCOMPARE(UnitDatabase::create(folder).size(), 10);
        TfrmADODataModule dm;
        dm.openMainDatabase(folder + u'/');
        QCOMPARE(dm.categoryNames(), DemoData::categoryNames());
        const QSqlDatabase& db = dm.ADOConnectionGlb;
        for (const QString& table : {QStringLiteral("Персонал"), QStringLiteral("Журнал"), QStringLiteral("Журнал_All"),
                                     QStringLiteral("Должность"), QStringLiteral("Ответы")})
            QCOMPARE(Db::scalar(db, QStringLiteral("Select Count(*) From ") + table).toInt(), 0);
        QCOMPARE(Db::scalar(db, QStringLiteral("Select Count(*) From Количество_вопросов_по_разделам Where Количество_вопросов = 0")).toInt(), 81);
        QCOMPARE(Db::scalar(db, QStringLiteral("Select Count(*) From Procent")).toInt(), 4);
        // The check names the sections to fill and nothing else: criteria and tables are sound.
        const QStringList problems = BankCheck::run(dm, folder + u'/');
        QCOMPARE(problems.size(), Categories::BankCount);
        for (const QString& p : problems)
            QVERIFY2(p.contains(QStringLiteral("до проведения экзаменов нужно заполнить разделы: Раздел_1 (")), qPrintable(p));
        QVERIFY(problems.at(4).contains(QStringLiteral("Раздел_9 (вопросов в экзамене: 4)")));
        QVERIFY(!problems.at(4).contains(QStringLiteral("Раздел_7")));
        // A second unit database never goes into a folder that holds anything.
        QVERIFY_THROWS_EXCEPTION(zorvek::Error, UnitDatabase::create(folder));
    }

    void staffListFromCsvThenXlsx()
    {
        const QString folder = m_dir.filePath(QStringLiteral("staff"));
        UnitDatabase::create(folder);
        TfrmADODataModule dm;
        dm.openMainDatabase(folder + u'/');
        const QStringList lines = workers(200);
        const QString csv = m_dir.filePath(QStringLiteral("staff.csv"));
        writeFile(csv, *Cp1251Bytes(QStringList{Header} + lines));
        StaffImport::Prepared p = StaffImport::prepare(dm, csv);
        QVERIFY2(p.plan.acceptable(), qPrintable(p.plan.problemLines().join(u'\n')));
        StaffImport::Result r = StaffImport::store(dm, p.plan);
        QCOMPARE(r.added, 200);
        QCOMPARE(r.updated, 0);
        QCOMPARE(staffCount(dm), 200);
        QCOMPARE(Db::scalar(dm.ADOConnectionGlb, QStringLiteral("Select Дата_сдачи_экзамена From Персонал Where Код = 27")).toString(),
                 QStringLiteral("2025-03-28"));

        const QString xlsx = m_dir.filePath(QStringLiteral("staff.xlsx"));
        writeXlsx(xlsx, lines);
        p = StaffImport::prepare(dm, xlsx);
        QVERIFY2(p.plan.acceptable(), qPrintable(p.plan.problemLines().join(u'\n')));
        r = StaffImport::store(dm, p.plan);
        QCOMPARE(r.added, 0);
        QCOMPARE(r.updated, 200);
        QCOMPARE(staffCount(dm), 200);
        QCOMPARE(Db::scalar(dm.ADOConnectionGlb, QStringLiteral("Select Дата_сдачи_экзамена From Персонал Where Код = 27")).toString(),
                 QStringLiteral("2025-03-28"));
    }

    void refusedRowStoresNothing()
    {
        const QString folder = m_dir.filePath(QStringLiteral("refused"));
        UnitDatabase::create(folder);
        const QString csv = m_dir.filePath(QStringLiteral("bad.csv"));
        writeFile(csv, (QStringList{Header} + workers(30, 17)).join(QStringLiteral("\n")).toUtf8());
        const QByteArray before = fileChecksum(folder + QStringLiteral("/BGD.mdb"));
        {
            TfrmADODataModule dm;
            dm.openMainDatabase(folder + u'/');
            const StaffImport::Prepared p = StaffImport::prepare(dm, csv);
            QCOMPARE(p.plan.problemLines(), QStringList{QStringLiteral("строка 18: неизвестная категория специалиста «Сварщики»")});
            QVERIFY_THROWS_EXCEPTION(zorvek::Error, StaffImport::store(dm, p.plan));
            QCOMPARE(staffCount(dm), 0);
        }
        QCOMPARE(fileChecksum(folder + QStringLiteral("/BGD.mdb")), before);
    }

    void foreignWorkbookCells()
    {
        const QString path = m_dir.filePath(QStringLiteral("foreign.xlsx"));
        writeForeignXlsx(path);
        const SheetTable t = XlsxReader::read(path);
        QCOMPARE(t.rows.size(), 2);
        QCOMPARE(t.rows.at(0).number, 2);
        QCOMPARE(t.rows.at(0).cells.value(1).toString(), QStringLiteral("ФИО"));
        QCOMPARE(t.rows.at(0).cells.value(3).toString(), QStringLiteral("Дата сдачи экзамена"));
        QCOMPARE(t.rows.at(1).cells.value(1).toString(), QStringLiteral("Орлов О. О."));
        QCOMPARE(t.rows.at(1).cells.value(2).metaType().id(), QMetaType::Double); // a time of day, not a date
        QCOMPARE(t.rows.at(1).cells.value(3).toDate(), QDate(2024, 1, 1));        // 43830 days after 1.1.1904
        QVERIFY(XlsxReader::isDateFormat(QStringLiteral("dd.mm.yyyy")));
        QVERIFY(!XlsxReader::isDateFormat(QStringLiteral("0.00\" дней\"")));
        QVERIFY(!XlsxReader::isDateFormat(QStringLiteral("[h]:mm")));
        QCOMPARE(XlsxReader::columnOf(QStringLiteral("AB12")), 27);
    }

    void journalSheetHasTypedCells()
    {
        TestDataFolder data;
        QVERIFY(data.isValid());
        TfrmADODataModule dm;
        dm.openMainDatabase(data.path());
        Db::exec(dm.ADOConnectionGlb, QStringLiteral("Update Журнал_All Set Дата_следующей_проверки = ? Where rowid = 1"),
                 {QStringLiteral("весной")});
        const QString path = m_dir.filePath(QStringLiteral("Журнал.xlsx"));
        const int rows = JournalSheet::write(dm.ADOConnectionGlb, path);
        QCOMPARE(rows, Db::scalar(dm.ADOConnectionGlb, QStringLiteral("Select Count(*) From Журнал_All")).toInt());
        const SheetTable t = XlsxReader::read(path);
        QCOMPARE(t.rows.size(), rows + 1);
        QCOMPARE(t.rows.at(0).cells.value(4).toString(), QStringLiteral("Дата_проверки"));
        const SheetRow& first = t.rows.at(1);
        QCOMPARE(first.cells.value(4).metaType().id(), QMetaType::QDate); // a date cell, not a text
        QCOMPARE(first.cells.value(4).toDate(), QDate(2024, 3, 12));
        QCOMPARE(first.cells.value(5).toString(), QStringLiteral("весной")); // unreadable: as stored
        QCOMPARE(first.cells.value(10).metaType().id(), QMetaType::Double);
        QCOMPARE(first.cells.value(0).toString(),
                 Db::scalar(dm.ADOConnectionGlb, QStringLiteral("Select ФИО From Журнал_All Where rowid = 1")).toString());
    }

    void unwritableSheetIsReported()
    {
        const QString path = m_dir.filePath(QStringLiteral("no-such-folder/Журнал.xlsx"));
        XlsxWriter::Sheet sheet(path, QStringLiteral("Лист"));
        sheet.header(0, QStringLiteral("А"));
        try {
            sheet.finish(0, 1);
            QFAIL("a sheet in a missing folder was reported written");
        } catch (const zorvek::Error& e) {
            QVERIFY2(e.message().contains(QStringLiteral("папка недоступна для записи")), qPrintable(e.message()));
        }
        QVERIFY(!QFile::exists(path));
    }

private:
    static std::optional<QByteArray> Cp1251Bytes(const QStringList& lines);
};

#include "core/import/Cp1251.h"
std::optional<QByteArray> TestStaffImport::Cp1251Bytes(const QStringList& lines)
{
    return Cp1251::encode(lines.join(QStringLiteral("\r\n")));
}

QTEST_MAIN(TestStaffImport)
#include "test_staff_import.moc"
