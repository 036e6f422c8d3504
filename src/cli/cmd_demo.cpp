// zorvek-cli demo DIR: a complete data folder for trying the program.
#include "cli/CliCommand.h"
#include "data/demo/DemoData.h"

#include <QDir>

namespace {

int runDemo(const QStringList& args)
{
    const Cli::Args a(args);
    if (a.positional().size() != 1 || !a.unknown({}).isEmpty())
        return Cli::fail(QStringLiteral("укажите одну папку: zorvek-cli demo DIR"));
    const QString folder = a.positional().first();
    const DemoData::Report report = DemoData::create(folder);
    for (const QString& f : report.created)
        Cli::out() << "создан: " << f << '\n';
    for (const QString& f : report.kept)
        Cli::out() << "оставлен без изменений (уже существует): " << f << '\n';
    Cli::out() << "Папка данных: " << QDir::toNativeSeparators(QDir(folder).absolutePath()) << '\n';
    return 0;
}

} // namespace

ZORVEK_CLI_COMMAND(QStringLiteral("demo"), QStringLiteral("demo DIR"),
                   QStringLiteral("создать папку с демонстрационными данными (существующие файлы не перезаписываются)"),
                   runDemo);
