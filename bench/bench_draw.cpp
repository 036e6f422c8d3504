// The exam's whole preparation (quota check, draw, Вопросы_ответы filled, Ответы re-created) for a
// category whose nine sections hold 2,000 questions each. Goal: under 20 ms.
#include "core/Global.h"
#include "core/Categories.h"
#include "core/Clock.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/TfrmADODataModule.h"
#include "exam/flow/ExamFlow.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int QuestionsPerSection = 2000;
constexpr int Quota = 20;
const QString Category = QStringLiteral("Электромонтёры III группа");

void createFile(const QString& path, const std::function<void(QSqlDatabase&)>& fill)
{
    const QString name = QStringLiteral("bench-build");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
        Db::Transaction tx(db);
        fill(db);
        tx.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

void buildFolder(const QString& folder)
{
    createFile(folder + QStringLiteral("BGD.mdb"), [](QSqlDatabase& db) {
        for (const QString& s : Schema::mainDatabaseStatements())
            Db::exec(db, s);
        Db::exec(db, QStringLiteral("Insert Into Группа_по_безопасности (Порядковый_номер, Название_группы) Values (1, ?)"), {Category});
        QVariantList v{1, Category, 9 * Quota};
        for (int s = 1; s <= 9; ++s)
            v << Quota;
        v << 170 << 160 << 150 << 149;
        Db::exec(db, QStringLiteral("Insert Into Критерии_оценки Values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"), v);
    });
    createFile(folder + Categories::bankFileForPosition(0), [](QSqlDatabase& db) {
        for (const QString& s : Schema::bankStatements())
            Db::exec(db, s);
        const QString body = QStringLiteral("Какие меры безопасности выполняются при работах на контактной сети вблизи "
                                            "частей, находящихся под напряжением, и кто их выполняет? ");
        for (int s = 1; s <= 9; ++s) {
            QSqlQuery q(db);
            q.prepare(QStringLiteral("Insert Into ") + Categories::sectionTableName(s)
                      + QStringLiteral(" (Индекс, Вопрос, Ответ_1, Верно_Неверно_1, Ответ_2, Верно_Неверно_2, Ответ_3, "
                                       "Верно_Неверно_3, Количество_ответов) Values (?, ?, ?, 'Верно', ?, 'Неверно', ?, 'Неверно', 3)"));
            for (int i = 1; i <= QuestionsPerSection; ++i) {
                QString text = QString::number(i) + QStringLiteral(". ") + body;
                if (i % 7 == 0)
                    text += QStringLiteral("\rа) Участки переменного тока");
                else if (i % 11 == 0)
                    text += QStringLiteral("\rб) Участки постоянного тока");
                q.addBindValue(i);
                q.addBindValue(text);
                q.addBindValue(QString(body + QStringLiteral("Ответ один.")));
                q.addBindValue(QString(body + QStringLiteral("Ответ два.")));
                q.addBindValue(QString(body + QStringLiteral("Ответ три.")));
                q.exec();
            }
        }
    });
}

void BM_ExamPreparation(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    buildFolder(folder);
    TfrmADODataModule dm;
    dm.openMainDatabase(folder);
    dm.connectCategoryBank(0, folder);
    ExamFlow flow(dm);
    Global::RegimRaboty = Global::RegimExam;
    flow.loadCriteria(Category);
    Global::SystemToka = QStringLiteral("постоянного тока");
    Random::seed(1);
    for (auto _ : state) {
        Global::ExamCancelled = 0;
        benchmark::DoNotOptimize(flow.prepare());
    }
}
BENCHMARK(BM_ExamPreparation)->Unit(benchmark::kMillisecond)->Repetitions(15)->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
