// zorvek-cli import / export / check: filling a section of a question bank from a question file,
// writing a section back as such a file, and checking the banks and criteria of the data folder.
#include "cli/CliCommand.h"
#include "core/Categories.h"
#include "data/TfrmADODataModule.h"
#include "editor/import/BankCheck.h"
#include "editor/import/PictureFolder.h"
#include "editor/import/SectionExport.h"
#include "editor/import/SectionImport.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cstdio>

namespace {

const QString CategoryOption = QStringLiteral("--category");
const QString SectionOption = QStringLiteral("--section");
const QString DropPicturesOption = QStringLiteral("--drop-pictures");

// "--section 3" or "--section Раздел_3" gives "Раздел_3"; empty when it names no section.
QString sectionTable(const QString& value)
{
    bool ok = false;
    const int n = value.toInt(&ok);
    const QString table = ok ? Categories::sectionTableName(n) : value;
    return SectionImport::isSectionTable(table) ? table : QString();
}

// Checks the options of import and export; returns an error message, empty when they are fine.
QString categoryAndSection(const Cli::Args& a, int maxFiles, QString& category, QString& section,
                           const QStringList& moreOptions = {})
{
    const QStringList unknown = a.unknown(QStringList{CategoryOption, SectionOption} + moreOptions);
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
    const Cli::Args a(args, {DropPicturesOption});
    QString category, section;
    const QString problem = categoryAndSection(a, 1, category, section, {DropPicturesOption});
    if (!problem.isEmpty())
        return Cli::fail(problem);
    if (a.positional().size() != 1)
        return Cli::fail(QStringLiteral("укажите файл вопросов"));
    const QString file = a.positional().first();

    const QuestionFile::ParseResult parsed = SectionImport::readFile(file, section);
    // Without questions the message names the causes itself.
    if (parsed.questions.isEmpty())
        return Cli::fail(SectionImport::noQuestionsMessage(file, section, parsed));
    for (const QuestionFile::Diagnostic& d : parsed.diagnostics)
        Cli::err() << QDir::toNativeSeparators(file) << ": строка " << d.line << ": " << d.text << '\n';
    Cli::err().flush();
    auto dm = Cli::openDataModule();
    int stored = 0;
    try {
        stored = SectionImport::storeQuestions(*dm, category, section, parsed, file, {},
                                               a.has(DropPicturesOption));
    } catch (const SectionImport::PictureLoss& e) {
        return Cli::fail(
            e.message() +
            QStringLiteral(" Чтобы загрузить файл без рисунков, добавьте %1.").arg(DropPicturesOption));
    }
    const auto pictures = std::count_if(parsed.questions.cbegin(), parsed.questions.cend(),
                                        [](const QuestionFile::Question& q) { return !q.picture.isEmpty(); });
    Cli::out() << "Записано вопросов: " << stored << " (категория «" << category << "», " << section
               << "), рисунков: " << pictures << ". " << SectionImport::encodingNote(parsed.encoding) << '\n';
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

    int pictures = 0;
    if (a.positional().isEmpty()) {
        Cli::out().flush();
        QFile out;
        if (!out.open(stdout, QIODevice::WriteOnly) || out.write(r.bytes) != r.bytes.size())
            return Cli::fail(QStringLiteral("не удалось вывести файл: %1").arg(out.errorString()));
        out.flush();
        if (r.pictures > 0)
            Cli::err()
                << "zorvek-cli: не выгружено рисунков раздела: " << r.pictures
                << " (в стандартный вывод идёт только текст; чтобы выгрузить и рисунки, укажите ФАЙЛ)\n";
    } else {
        pictures = SectionExport::writeFiles(r, a.positional().first());
    }
    Cli::err() << "Выгружено вопросов: " << r.count << " (категория «" << category << "», " << section
               << "), рисунков: " << pictures;
    if (pictures > 0)
        Cli::err() << " (в папку «"
                   << QDir::toNativeSeparators(PictureFolder::forFile(a.positional().first())) << "»)";
    Cli::err() << '\n';
    return 0;
}

int runCheck(const QStringList& args)
{
    const Cli::Args a(args);
    if (!a.unknown({}).isEmpty() || !a.positional().isEmpty())
        return Cli::fail(QStringLiteral("check не принимает параметров"));
    auto dm = Cli::openDataModule();
    const BankCheck::Report report = BankCheck::review(*dm, TfrmADODataModule::dataFolder());
    for (const QString& p : report.problems)
        Cli::out() << p << '\n';
    for (const QString& n : report.notes)
        Cli::out() << "к сведению: " << n << '\n';
    Cli::out().flush();
    Cli::err() << "Замечаний: " << report.problems.size() << ", к сведению: " << report.notes.size() << '\n';
    return report.problems.isEmpty() ? 0 : 1;
}

} // namespace

ZORVEK_CLI_COMMAND(
    QStringLiteral("import"), QStringLiteral("import --category НАЗВАНИЕ --section N [--drop-pictures] ФАЙЛ"),
    QStringLiteral("заменить раздел N базы вопросов категории вопросами текстового файла и рисунками из "
                   "папки рисунков рядом с ним (для «р3.txt» — «р3_рисунки»); раздел, который потерял бы "
                   "рисунки, заменяется только с --drop-pictures"),
    runImport);
ZORVEK_CLI_COMMAND(
    QStringLiteral("export"), QStringLiteral("export --category НАЗВАНИЕ --section N [ФАЙЛ]"),
    QStringLiteral("выгрузить раздел в текстовый файл (Windows-1251), а рисунки — в папку рядом с ним "
                   "(для «р3.txt» — «р3_рисунки», файлы 1.bmp, 2.bmp … по номеру вопроса в файле); "
                   "загружается обратно командой import; без ФАЙЛА — только текст, в стандартный вывод"),
    runExport);
ZORVEK_CLI_COMMAND(
    QStringLiteral("check"), QStringLiteral("check"),
    QStringLiteral("проверить базы вопросов и критерии оценки: по строке на замечание (и на отметку ответа "
                   "не «Верно» и не «Неверно», которую экзамен и самоподготовка читают одинаково, — «к "
                   "сведению»); код 1, если замечания есть"),
    runCheck);
