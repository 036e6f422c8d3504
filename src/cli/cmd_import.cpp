// zorvek-cli import / export / check: filling a section of a question bank from a question file,
// writing a section back as such a file, and checking the banks and criteria of the data folder.
#include "cli/CliCommand.h"
#include "core/Categories.h"
#include "data/TfrmADODataModule.h"
#include "editor/import/BankCheck.h"
#include "editor/import/SectionExport.h"
#include "editor/import/SectionImport.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cstdio>

namespace {

const QString CategoryOption = QStringLiteral("--category");
const QString SectionOption = QStringLiteral("--section");

// "--section 3" or "--section Раздел_3" gives "Раздел_3"; empty when it names no section.
QString sectionTable(const QString& value)
{
    bool ok = false;
    const int n = value.toInt(&ok);
    const QString table = ok ? Categories::sectionTableName(n) : value;
    return SectionImport::isSectionTable(table) ? table : QString();
}

// Checks the options of import and export; returns an error message, empty when they are fine.
QString categoryAndSection(const Cli::Args& a, int maxFiles, QString& category, QString& section)
{
    const QStringList unknown = a.unknown({CategoryOption, SectionOption});
    if (!unknown.isEmpty())
        return QStringLiteral("неизвестный параметр %1").arg(unknown.first());
    category = a.value(CategoryOption);
    section = sectionTable(a.value(SectionOption));
    if (category.isEmpty())
        return QStringLiteral("укажите --category НАЗВАНИЕ");
    if (section.isEmpty())
        return QStringLiteral("укажите --section N, номер раздела от 1 до 9");
    if (a.positional().size() > maxFiles)
        return QStringLiteral("лишние параметры: %1").arg(a.positional().mid(maxFiles).join(u' '));
    return QString();
}

int runImport(const QStringList& args)
{
    const Cli::Args a(args);
    QString category, section;
    const QString problem = categoryAndSection(a, 1, category, section);
    if (!problem.isEmpty())
        return Cli::fail(problem);
    if (a.positional().size() != 1)
        return Cli::fail(QStringLiteral("укажите файл вопросов"));
    const QString file = a.positional().first();

    const QuestionFile::ParseResult parsed = SectionImport::readFile(file, section);
    for (const QuestionFile::Diagnostic& d : parsed.diagnostics)
        Cli::err() << QDir::toNativeSeparators(file) << ": строка " << d.line << ": " << d.text << '\n';
    Cli::err().flush();
    auto dm = Cli::openDataModule();
    const int stored = SectionImport::storeQuestions(*dm, category, section, parsed.questions, file);
    Cli::out() << "Записано вопросов: " << stored << " (категория «" << category << "», " << section << ")\n";
    return 0;
}

int runExport(const QStringList& args)
{
    const Cli::Args a(args);
    QString category, section;
    const QString problem = categoryAndSection(a, 1, category, section);
    if (!problem.isEmpty())
        return Cli::fail(problem);
    auto dm = Cli::openDataModule();
    const SectionExport::Result r = SectionExport::exportSection(*dm, category, section);
    for (const QuestionFile::RoundTripProblem& p : r.problems)
        Cli::err() << "zorvek-cli: " << section << ", вопрос № " << p.number << ": " << p.reason
                   << " — при загрузке файла он изменится\n";
    if (r.utf8)
        Cli::err() << "zorvek-cli: в текстах есть знаки, которых нет в кодировке Windows-1251; файл записан "
                      "в UTF-8\n";

    if (a.positional().isEmpty()) {
        Cli::out().flush();
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly) || out.write(r.bytes) != r.bytes.size())
            return Cli::fail(QStringLiteral("не удалось вывести файл: %1").arg(out.errorString()));
        out.flush();
    } else {
        QSaveFile out(a.positional().first());
        if (!out.open(QIODevice::WriteOnly) || out.write(r.bytes) != r.bytes.size() || !out.commit())
            return Cli::fail(QStringLiteral("не удалось записать файл «%1»: %2")
                                 .arg(QDir::toNativeSeparators(a.positional().first()), out.errorString()));
    }
    Cli::err() << "Выгружено вопросов: " << r.count << " (категория «" << category << "», " << section
               << ")\n";
    return 0;
}

int runCheck(const QStringList& args)
{
    const Cli::Args a(args);
    if (!a.unknown({}).isEmpty() || !a.positional().isEmpty())
        return Cli::fail(QStringLiteral("check не принимает параметров"));
    auto dm = Cli::openDataModule();
    const QStringList problems = BankCheck::run(*dm, TfrmADODataModule::dataFolder());
    for (const QString& p : problems)
        Cli::out() << p << '\n';
    Cli::out().flush();
    Cli::err() << "Замечаний: " << problems.size() << '\n';
    return problems.isEmpty() ? 0 : 1;
}

} // namespace

ZORVEK_CLI_COMMAND(QStringLiteral("import"), QStringLiteral("import --category НАЗВАНИЕ --section N ФАЙЛ"),
                   QStringLiteral("заменить раздел N базы вопросов категории вопросами текстового файла"),
                   runImport);
ZORVEK_CLI_COMMAND(
    QStringLiteral("export"), QStringLiteral("export --category НАЗВАНИЕ --section N [ФАЙЛ]"),
    QStringLiteral("выгрузить раздел в текстовый файл (Windows-1251), который загружается обратно "
                   "командой import; без ФАЙЛА — в стандартный вывод"),
    runExport);
ZORVEK_CLI_COMMAND(
    QStringLiteral("check"), QStringLiteral("check"),
    QStringLiteral("проверить базы вопросов и критерии оценки: по строке на замечание; код 1, если "
                   "замечания есть"),
    runCheck);
