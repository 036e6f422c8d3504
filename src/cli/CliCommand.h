#pragma once
// The headless commands of zorvek-cli. Each command lives in a file of its own and registers
// itself with ZORVEK_CLI_COMMAND; main() dispatches on the first argument.
#include <QHash>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <memory>

class TfrmADODataModule;

namespace Cli {

// Arguments after the command name. Returns the process exit status.
using Handler = std::function<int(const QStringList& args)>;

struct Command {
    QString name;
    QString usage;    // "draw --category NAME --system SYSTEM [--seed N]"
    QString summary;  // one line, Russian
    Handler run;
};

bool add(Command command);
const Command* find(const QString& name);
QList<Command> all();

// UTF-8 standard output and error.
QTextStream& out();
QTextStream& err();

// Options of the form "--name value" and bare flags "--name"; the rest are positional.
class Args
{
public:
    Args(const QStringList& args, const QStringList& flagNames = {});
    QString value(const QString& name, const QString& fallback = QString()) const;
    bool has(const QString& name) const;
    const QStringList& positional() const { return m_positional; }
    // Options given that are not in `known`; empty when all are known.
    QStringList unknown(const QStringList& known) const;

private:
    QHash<QString, QString> m_values;
    QStringList m_positional;
};

// The data module opened on BGD.mdb of the working directory (the data folder).
// Throws zorvek::Error naming the file when it cannot be used.
std::unique_ptr<TfrmADODataModule> openDataModule();

// Prints "zorvek-cli: <message>" to standard error and returns 1.
int fail(const QString& message);

} // namespace Cli

#define ZORVEK_CLI_CONCAT2(a, b) a##b
#define ZORVEK_CLI_CONCAT(a, b) ZORVEK_CLI_CONCAT2(a, b)
#define ZORVEK_CLI_COMMAND(...) \
    static const bool ZORVEK_CLI_CONCAT(zorvek_cli_registered_, __LINE__) = ::Cli::add(::Cli::Command{__VA_ARGS__})
