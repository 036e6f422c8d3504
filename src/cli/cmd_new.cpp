// zorvek-cli new DIR: a unit's own data folder, with its categories and criteria and no people or
// questions yet.
#include "cli/CliCommand.h"
#include "data/unit/UnitDatabase.h"

#include <QDir>

namespace {

int runNew(const QStringList& args)
{
    const Cli::Args a(args);
    if (a.positional().size() != 1 || !a.unknown({}).isEmpty())
        return Cli::fail(QStringLiteral("укажите одну пустую папку: zorvek-cli new DIR"));
    const QString folder = a.positional().first();
    for (const QString& f : UnitDatabase::create(folder))
        Cli::out() << "создан: " << f << '\n';
    Cli::out() << "Папка данных: " << QDir::toNativeSeparators(QDir(folder).absolutePath()) << '\n'
               << "Дальше: загрузите список персонала (zorvek-cli staff import ФАЙЛ) и заполните разделы "
                  "банков вопросов (zorvek-cli check покажет, какие).\n";
    return 0;
}

} // namespace

ZORVEK_CLI_COMMAND(QStringLiteral("new"), QStringLiteral("new DIR"),
                   QStringLiteral("создать в пустой папке базу данных подразделения: категории и критерии "
                                  "оценки, пустые персонал, журнал и разделы банков вопросов"),
                   runNew);
