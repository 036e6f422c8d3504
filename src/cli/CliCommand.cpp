#include "cli/CliCommand.h"

#include "core/Error.h"
#include "data/TfrmADODataModule.h"

#include <cstdio>

namespace Cli {

namespace {
QList<Command>& registry()
{
    static QList<Command> commands;
    return commands;
}
} // namespace

bool add(Command command)
{
    registry().append(std::move(command));
    return true;
}

const Command* find(const QString& name)
{
    for (const Command& c : registry()) {
        if (c.name == name)
            return &c;
    }
    return nullptr;
}

QList<Command> all()
{
    QList<Command> list = registry();
    std::sort(list.begin(), list.end(), [](const Command& a, const Command& b) { return a.name < b.name; });
    return list;
}

QTextStream& out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream& err()
{
    static QTextStream stream(stderr);
    return stream;
}

Args::Args(const QStringList& args, const QStringList& flagNames)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args.at(i);
        if (a.startsWith(QLatin1String("--")) && a.size() > 2) {
            const int eq = a.indexOf(QLatin1Char('='));
            if (eq > 0)
                m_values.insert(a.left(eq), a.mid(eq + 1));
            else if (flagNames.contains(a) || i + 1 >= args.size())
                m_values.insert(a, QString());
            else
                m_values.insert(a, args.at(++i));
        } else {
            m_positional << a;
        }
    }
}

QString Args::value(const QString& name, const QString& fallback) const
{
    return m_values.value(name, fallback);
}

bool Args::has(const QString& name) const
{
    return m_values.contains(name);
}

QStringList Args::unknown(const QStringList& known) const
{
    QStringList list;
    for (auto it = m_values.cbegin(); it != m_values.cend(); ++it) {
        if (!known.contains(it.key()))
            list << it.key();
    }
    return list;
}

std::unique_ptr<TfrmADODataModule> openDataModule()
{
    auto module = std::make_unique<TfrmADODataModule>();
    module->openMainDatabase(TfrmADODataModule::dataFolder());
    return module;
}

int fail(const QString& message)
{
    QString text = message;
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    err() << "zorvek-cli: " << text << Qt::endl;
    return 1;
}

} // namespace Cli
