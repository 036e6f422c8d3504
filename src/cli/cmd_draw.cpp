// zorvek-cli draw: the exam's question draw for a category and a system, as the program runs it.
#include "cli/CliCommand.h"
#include "core/Clock.h"
#include "core/Global.h"
#include "core/exam/ExamDraw.h"
#include "data/TfrmADODataModule.h"
#include "exam/flow/ExamFlow.h"

namespace {

// "--seed N": repeatable draws; without it the clock seeds the generator.
bool applySeed(const Cli::Args& a)
{
    if (!a.has(QStringLiteral("--seed"))) {
        Random::seedFromClock();
        return true;
    }
    bool ok = false;
    const qulonglong seed = a.value(QStringLiteral("--seed")).toULongLong(&ok);
    if (ok)
        Random::seed(seed);
    return ok;
}

int runDraw(const QStringList& args)
{
    const Cli::Args a(args);
    const QStringList unknown = a.unknown({QStringLiteral("--category"), QStringLiteral("--system"), QStringLiteral("--seed")});
    if (!unknown.isEmpty())
        return Cli::fail(QStringLiteral("неизвестный параметр %1").arg(unknown.first()));
    const QString category = a.value(QStringLiteral("--category"));
    const QString system = a.value(QStringLiteral("--system"));
    if (category.isEmpty() || system.isEmpty())
        return Cli::fail(QStringLiteral("укажите --category НАЗВАНИЕ и --system СИСТЕМА"));
    if (!applySeed(a))
        return Cli::fail(QStringLiteral("--seed: нужно неотрицательное целое число"));
    if (system != ExamDraw::SystemAc && system != ExamDraw::SystemDc)
        Cli::err() << "zorvek-cli: система тока «" << system << "» не «" << ExamDraw::SystemAc << "» и не «"
                   << ExamDraw::SystemDc << "»: выбираются только вопросы для обеих систем" << Qt::endl;

    auto dm = Cli::openDataModule();
    {
        // The draw replaces the exam's working tables: never those of an exam still to be finished.
        const ExamFlow current(*dm);
        const ExamProgress::Stage stage = current.recordedStage();
        if (!ExamProgress::workingTablesFree(stage))
            return Cli::fail(QStringLiteral("выбор вопросов не выполнен: ")
                             + ExamProgress::tablesBusyMessage(stage, current.recordedExaminee()));
    }
    Global::RegimRaboty = Global::RegimExam;
    Global::ExamCancelled = 0;
    Global::NameKategorii = category;
    const int position = dm->categoryPosition(category);
    if (position < 0)
        return Cli::fail(QStringLiteral("категория специалиста «%1» не найдена в таблице «Группа_по_безопасности»").arg(category));
    dm->connectCategoryBank(position, TfrmADODataModule::dataFolder());
    ExamFlow flow(*dm);
    if (!flow.loadCriteria(category))
        return Cli::fail(QStringLiteral("для категории специалиста «%1» нет строки в таблице «Критерии_оценки»").arg(category));
    Global::SystemToka = system;
    const QList<DrawnQuestion> drawn = flow.prepare();
    for (const DrawnQuestion& q : drawn)
        Cli::out() << q.number << ' ' << q.section << ' ' << q.index << '\n';
    return 0;
}

} // namespace

ZORVEK_CLI_COMMAND(QStringLiteral("draw"), QStringLiteral("draw --category НАЗВАНИЕ --system СИСТЕМА [--seed N]"),
                   QStringLiteral("выбрать вопросы экзамена: по строке на вопрос — номер в экзамене, раздел, Индекс в разделе"),
                   runDraw);
