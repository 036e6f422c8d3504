// zorvek-cli staff import FILE: the unit's staff list from a CSV or XLSX file into Персонал of the
// data folder: new workers added, those of the same full name updated, all in one transaction.
#include "cli/CliCommand.h"
#include "data/TfrmADODataModule.h"
#include "staff/StaffImport.h"

#include <QDir>

namespace {

int runStaff(const QStringList& args)
{
    const Cli::Args a(args, {QStringLiteral("--check")});
    if (a.positional().size() != 2 || a.positional().first() != QLatin1String("import") ||
        !a.unknown({QStringLiteral("--check")}).isEmpty())
        return Cli::fail(QStringLiteral("использование: zorvek-cli staff import [--check] ФАЙЛ"));
    const QString path = a.positional().at(1);
    auto dm = Cli::openDataModule();
    const StaffImport::Prepared prepared = StaffImport::prepare(*dm, path);
    const StaffRules::Plan& plan = prepared.plan;
    Cli::err() << "Файл: " << QDir::toNativeSeparators(path) << " (" << prepared.contents.description << ")\n";
    if (plan.headerRow > 0) {
        QStringList matched;
        for (auto it = plan.matched.cbegin(); it != plan.matched.cend(); ++it)
            matched << it.key() + QStringLiteral(" ← «") + it.value() + QStringLiteral("»");
        Cli::err() << "Заголовок в строке " << plan.headerRow << ": " << matched.join(QStringLiteral("; ")) << '\n';
        if (!plan.ignoredHeaders.isEmpty())
            Cli::err() << "Не относятся к таблице «Персонал» и пропущены: «"
                       << plan.ignoredHeaders.join(QStringLiteral("», «")) << "»\n";
    }
    if (!plan.acceptable()) {
        for (const QString& line : plan.problemLines())
            Cli::out() << line << '\n';
        Cli::out().flush();
        if (plan.fileProblems.isEmpty())
            Cli::err() << "Отклонено строк: " << plan.count(StaffRules::Action::Refused) << ". ";
        Cli::err() << "Список персонала не загружен, ничего не записано.\n";
        return 1;
    }
    if (a.has(QStringLiteral("--check"))) {
        Cli::out() << "Будет добавлено работников: " << plan.count(StaffRules::Action::Add)
                   << ", обновлено: " << plan.count(StaffRules::Action::Update) << ". Ничего не записано (--check).\n";
        return 0;
    }
    Cli::out() << StaffImport::summary(StaffImport::store(*dm, plan)) << '\n';
    return 0;
}

} // namespace

ZORVEK_CLI_COMMAND(QStringLiteral("staff"), QStringLiteral("staff import [--check] ФАЙЛ"),
                   QStringLiteral("загрузить список персонала из CSV (; или ,; UTF-8 или Windows-1251) или XLSX: "
                                  "новые работники добавляются, работники с тем же ФИО обновляются; "
                                  "--check только показывает, что будет сделано"),
                   runStaff);
