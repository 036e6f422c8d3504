// zorvek-cli protocol | journal | docs: the print jobs of the program without a viewer, in the
// current data folder; templates are found and documents written where the program does it.
#include "cli/CliCommand.h"
#include "core/Categories.h"
#include "core/Clock.h"
#include "core/Dates.h"
#include "core/Error.h"
#include "data/TfrmADODataModule.h"
#include "print/DocumentPlaces.h"
#include "print/JournalSheet.h"
#include "print/MyWord.h"
#include "print/PrintHooks.h"
#include "print/PrintJobs.h"

#include <QDir>

namespace {

// Messages of the jobs go to standard error; a failure that would end the program ends the
// command with status 1 (the job throws MyWord::Fatal after its messages).
void reportToConsole()
{
    PrintHooks::setShowMessage([](const QString& text) {
        QString line = text;
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        Cli::err() << "zorvek-cli: " << line << Qt::endl;
    });
    PrintHooks::setTerminate({});
}

int finished(const PrintJobs::Output& out, const QString& what)
{
    if (!out.notice.isEmpty())
        Cli::err() << out.notice << Qt::endl;
    Cli::out() << what << ": " << QDir::toNativeSeparators(out.path) << '\n';
    return 0;
}

template <typename Job> int runJob(Job&& job)
{
    reportToConsole();
    try {
        return job();
    } catch (const MyWord::Fatal&) {
        return 1;
    }
}

int runProtocol(const QStringList& args)
{
    const Cli::Args a(args);
    if (!a.positional().isEmpty() ||
        !a.unknown({QStringLiteral("--date"), QStringLiteral("--out")}).isEmpty())
        return Cli::fail(
            QStringLiteral("использование: zorvek-cli protocol [--date дд.мм.гггг] [--out ФАЙЛ]"));
    QDate day = Clock::today();
    if (a.has(QStringLiteral("--date"))) {
        day = Dates::fromText(a.value(QStringLiteral("--date")));
        if (!day.isValid())
            return Cli::fail(QStringLiteral("дата «") + a.value(QStringLiteral("--date")) +
                             QStringLiteral("» не в виде дд.мм.гггг"));
    }
    return runJob([&] {
        const auto module = Cli::openDataModule();
        const PrintJobs::Output out = PrintJobs::printProtocol(
            module->ADOConnectionGlb, day, DocumentPlaces::folders(), a.value(QStringLiteral("--out")));
        return finished(out, QStringLiteral("Протокол за ") + Dates::toText(day));
    });
}

int runJournal(const QStringList& args)
{
    const Cli::Args a(args);
    if (!a.positional().isEmpty() || !a.unknown({QStringLiteral("--out"), QStringLiteral("--xlsx")}).isEmpty() ||
        (a.has(QStringLiteral("--xlsx")) && (a.has(QStringLiteral("--out")) || a.value(QStringLiteral("--xlsx")).isEmpty())))
        return Cli::fail(QStringLiteral("использование: zorvek-cli journal [--out ФАЙЛ | --xlsx ФАЙЛ]"));
    if (a.has(QStringLiteral("--xlsx"))) {
        const auto module = Cli::openDataModule();
        const QString path = a.value(QStringLiteral("--xlsx"));
        const int rows = JournalSheet::write(module->ADOConnectionGlb, path);
        Cli::out() << "Журнал (проверок: " << rows << "): " << QDir::toNativeSeparators(path) << '\n';
        return 0;
    }
    return runJob([&] {
        const auto module = Cli::openDataModule();
        const PrintJobs::Output out = PrintJobs::printJournal(
            module->ADOConnectionGlb, DocumentPlaces::folders(), a.value(QStringLiteral("--out")));
        return finished(out, QStringLiteral("Журнал"));
    });
}

int runDocs(const QStringList& args)
{
    const Cli::Args a(args);
    if (!a.positional().isEmpty() || !a.unknown({QStringLiteral("--out-dir")}).isEmpty())
        return Cli::fail(QStringLiteral("использование: zorvek-cli docs [--out-dir ПАПКА]"));
    const QString outDir = a.value(QStringLiteral("--out-dir"));
    if (!outDir.isEmpty() && !QDir().mkpath(outDir))
        return Cli::fail(QStringLiteral("папка «") + QDir::toNativeSeparators(outDir) +
                         QStringLiteral("» не создаётся"));
    return runJob([&] {
        const auto module = Cli::openDataModule();
        for (int position = 0; position < Categories::BankCount; ++position) {
            const QString outFile = outDir.isEmpty()
                                        ? QString()
                                        : QDir(outDir).filePath(PrintJobs::categoryDocumentFile(position));
            const PrintJobs::Output out = PrintJobs::printCategoryQuestions(
                *module, position, TfrmADODataModule::dataFolder(), DocumentPlaces::folders(), outFile);
            if (!out.notice.isEmpty())
                Cli::err() << out.notice << Qt::endl;
            Cli::out() << "создан: " << QDir::toNativeSeparators(out.path) << '\n';
        }
        return 0;
    });
}

} // namespace

ZORVEK_CLI_COMMAND(
    QStringLiteral("protocol"), QStringLiteral("protocol [--date дд.мм.гггг] [--out ФАЙЛ]"),
    QStringLiteral("протокол проверки знаний за день (по умолчанию за сегодня) из журнала проверок"),
    runProtocol);
ZORVEK_CLI_COMMAND(QStringLiteral("journal"), QStringLiteral("journal [--out ФАЙЛ | --xlsx ФАЙЛ]"),
                   QStringLiteral("журнал проверки знаний: все записи журнала проверок и перечень правил; "
                                  "с --xlsx — таблица XLSX с датами и числами"),
                   runJournal);
ZORVEK_CLI_COMMAND(
    QStringLiteral("docs"), QStringLiteral("docs [--out-dir ПАПКА]"),
    QStringLiteral(
        "документы с вопросами девяти категорий, составленные сейчас из банков вопросов папки данных"),
    runDocs);
