// The journal of a Журнал_All with 50,000 rows: filled into "Шаблон журнала.docx" and saved,
// against the floor of compressing the resulting word/document.xml alone.
//
// The database is built in $ZORVEK_BENCH_DIR when that is set (and kept there, so that the
// comparison scripts in bench/scripts/ can read the same rows), else in a temporary folder.
#include "data/Db.h"
#include "data/Schema.h"
#include "print/JournalRows.h"
#include "print/MyWord.h"
#include "print/PrintJobs.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

namespace {

constexpr int JournalRowCount = 50000;

struct Fixture
{
    std::unique_ptr<QTemporaryDir> temp;
    QString folder;
    QSqlDatabase db;
    QString templateDir = QStringLiteral(ZORVEK_PRINT_TEMPLATE_DIR);
    QByteArray documentXml; // of the filled journal, for the floor

    Fixture()
    {
        folder = qEnvironmentVariable("ZORVEK_BENCH_DIR");
        if (folder.isEmpty()) {
            temp = std::make_unique<QTemporaryDir>();
            folder = temp->path();
        }
        QDir().mkpath(folder);
        const QString file = QDir(folder).filePath(QStringLiteral("BGD.mdb"));
        QFile::remove(file);
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
        db.setDatabaseName(file);
        db.open();
        for (const QString& statement : Schema::mainDatabaseStatements())
            Db::exec(db, statement);
        Db::Transaction tx(db);
        for (int i = 0; i < JournalRowCount; ++i) {
            const QDate day = QDate(2015, 1, 1).addDays(i % 3000);
            Db::exec(db,
                     QStringLiteral(
                         "Insert Into Журнал_All (ФИО, Должность, Дата_предыдущей_проверки, Дата_проверки, "
                         "Дата_следующей_проверки, Наименование_подразделения, Результат_проверки_знаний, "
                         "Причина_проверки_знаний) Values (?, ?, ?, ?, ?, ?, ?, ?)"),
                     {QStringLiteral("Работников%1 Иван Петрович").arg(i, 5, 10, QLatin1Char('0')),
                      QStringLiteral("Электромонтёр контактной сети"),
                      i % 7 == 0 ? QVariant() : QVariant(day.addYears(-1).toString(Qt::ISODate)),
                      day.toString(Qt::ISODate), day.addYears(1).toString(Qt::ISODate),
                      QStringLiteral("ЭЧК-12"), QStringLiteral("Сдал"), QStringLiteral("Периодическая")});
        }
        tx.commit();
    }

    QString output() const { return QDir(folder).filePath(PrintJobs::JournalFile); }
};

Fixture& fixture()
{
    static Fixture f;
    return f;
}

// Reading Журнал_All, filling the template and saving the document.
void BM_Journal50k(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        const PrintJobs::Output out = PrintJobs::printJournal(f.db, {f.templateDir, f.folder}, f.output());
        benchmark::DoNotOptimize(out.path);
    }
    state.SetItemsProcessed(state.iterations() * JournalRowCount);
}
BENCHMARK(BM_Journal50k)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Reading Журнал_All alone.
void BM_ReadJournal50k(benchmark::State& state)
{
    Fixture& f = fixture();
    for (auto _ : state) {
        const std::vector<JournalRows::Row> rows = JournalRows::read(f.db, JournalRows::Fields::Journal);
        benchmark::DoNotOptimize(rows.data());
    }
    state.SetItemsProcessed(state.iterations() * JournalRowCount);
}
BENCHMARK(BM_ReadJournal50k)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Filling and saving only, from rows already read.
void BM_Journal50kFillAndSave(benchmark::State& state)
{
    Fixture& f = fixture();
    const std::vector<JournalRows::Row> rows = JournalRows::read(f.db, JournalRows::Fields::Journal);
    for (auto _ : state) {
        MyWord word;
        word.Run();
        word.Open(QDir(f.templateDir).filePath(PrintJobs::JournalTemplate));
        word.search(PrintJobs::JournalBookmark);
        for (const JournalRows::Row& r : rows) {
            word.Insert(r.fio, false, false, false, false, 10);
            word.NextCell();
            word.Insert(r.datePrev, false, false, false, false, 10);
            word.NextCell();
            word.Insert(r.date, false, false, false, false, 10);
            word.SkipCell(3);
            word.Insert(r.dateNext, false, false, false, false, 10);
            word.SkipCell(3);
        }
        word.Save(f.output());
        if (f.documentXml.isEmpty())
            f.documentXml = word.activeDocument()->mainPartXml();
    }
    state.SetItemsProcessed(state.iterations() * JournalRowCount);
}
BENCHMARK(BM_Journal50kFillAndSave)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The floor: compressing the filled journal's word/document.xml alone into a zip, as the
// document is written (deflate, default level).
void BM_CompressDocumentXml(benchmark::State& state)
{
    Fixture& f = fixture();
    if (f.documentXml.isEmpty()) {
        state.SkipWithError("BM_Journal50kFillAndSave must run first");
        return;
    }
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QuaZip zip(&buffer);
        zip.setAutoClose(false);
        zip.open(QuaZip::mdCreate);
        QuaZipFile file(&zip);
        file.open(QIODevice::WriteOnly, QuaZipNewInfo(QStringLiteral("word/document.xml")));
        file.write(f.documentXml);
        file.close();
        zip.close();
        benchmark::DoNotOptimize(buffer.data().size());
    }
    state.SetBytesProcessed(state.iterations() * f.documentXml.size());
    state.counters["document_xml_MB"] = double(f.documentXml.size()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_CompressDocumentXml)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    fixture();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
