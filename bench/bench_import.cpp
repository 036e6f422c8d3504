// Speed of the question-file import: reading a generated file of 10,000 questions (goal: over
// 50 MB/s), and reading it and replacing a section with it in a demo bank (goal: under 0.5 s).
#include "core/import/QuestionFileParser.h"
#include "core/import/QuestionFileWriter.h"
#include "data/TfrmADODataModule.h"
#include "data/demo/DemoData.h"
#include "editor/import/SectionImport.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int QuestionCount = 10000;

// A section-5 file of the usual shape: numbered questions of one to three lines, every third
// marked for one traction-current system, two or three answers, some of two lines.
const QByteArray& generatedFile()
{
    static const QByteArray bytes = [] {
        QString t = QStringLiteral("Раздел 5. Работы на контактной сети\r\n");
        for (int i = 1; i <= QuestionCount; ++i) {
            t +=
                QStringLiteral("5.%1. Какие меры безопасности обязательны при работе № %1 на контактной сети "
                               "под напряжением?\r\n")
                    .arg(i);
            if (i % 3 == 0)
                t += QStringLiteral("а) Участки переменного тока\r\n");
            if (i % 4 == 0)
                t += QStringLiteral("Укажите полный перечень мер.\r\n");
            t += QStringLiteral(
                "Отв.1. Снять напряжение, проверить его отсутствие и наложить заземление\r\nВерно\r\n");
            t += QStringLiteral(
                "Отв.2. Достаточно предупредить энергодиспетчера\r\nо начале работ\r\nНеверно\r\n");
            if (i % 2)
                t += QStringLiteral("Отв.3. Никаких особых мер не требуется\r\nНеверно, неполный ответ\r\n");
        }
        return QuestionFile::encode(t);
    }();
    return bytes;
}

void BM_ParseFile(benchmark::State& state)
{
    const QByteArray& bytes = generatedFile();
    for (auto _ : state) {
        const QuestionFile::ParseResult r = QuestionFile::parseBytes(bytes, u"5.");
        if (r.questions.size() != QuestionCount)
            state.SkipWithError("wrong number of questions");
        benchmark::DoNotOptimize(r);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes.size());
    state.counters["file_MB"] = double(bytes.size()) / (1024 * 1024);
}
BENCHMARK(BM_ParseFile)->Unit(benchmark::kMillisecond);

// The whole import as the command runs it: read the file, parse it, connect the category's bank
// and replace its section in one transaction.
void BM_ImportFile(benchmark::State& state)
{
    QTemporaryDir dir;
    DemoData::create(dir.path());
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QString file = dir.filePath(QStringLiteral("раздел5.txt"));
    {
        QFile f(file);
        if (!f.open(QIODevice::WriteOnly) || f.write(generatedFile()) != generatedFile().size()) {
            state.SkipWithError("cannot write the file");
            return;
        }
    }
    {
        TfrmADODataModule dm;
        dm.openMainDatabase(TfrmADODataModule::dataFolder());
        const QString category = DemoData::categoryNames().at(2);
        for (auto _ : state) {
            const SectionImport::Result r =
                SectionImport::importFile(dm, category, QStringLiteral("Раздел_5"), file);
            if (r.stored != QuestionCount)
                state.SkipWithError("wrong number of questions stored");
        }
    }
    QDir::setCurrent(previous);
}
BENCHMARK(BM_ImportFile)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // the demo bank's pictures are drawn
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
