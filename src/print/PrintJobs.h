#pragma once
// The print jobs, without windows: the protocol of the day's exams and the knowledge-check
// journal filled from Журнал_All into their templates, the question list of a category made
// from its current bank, and a copy of the operating manual handed over for showing (the
// delivered file itself is never opened for editing). The print window and zorvek-cli run them.
//
// Failures: a template or document that cannot be opened ends the program (MyWord reports it and
// throws MyWord::Fatal); any other failure throws zorvek::Error naming it and ends the job only.
#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

class TfrmADODataModule;

namespace PrintJobs {

inline const QString ProtocolTemplate = QStringLiteral("Шаблон протокола.docx");
inline const QString ProtocolFile = QStringLiteral("Протокол.docx");
inline const QString JournalTemplate = QStringLiteral("Шаблон журнала.docx");
inline const QString JournalFile = QStringLiteral("Журнал.docx");
inline const QString ManualFile = QStringLiteral("Руководство по эксплуатации.docx");

// The bookmarks the templates carry.
inline const QString ProtocolBookmark = QStringLiteral("а1");
inline const QString JournalBookmark = QStringLiteral("б1");
inline const QString RulesBookmark = QStringLiteral("а1");

// The ten lines of the list of rules the checks are held under, typed into the journal.
QStringList rulesLines();

// The printable question list of each category, by the category's 0-based position.
QString categoryDocumentFile(int position);

// Where the jobs read and write (DocumentPlaces says where that is for the program).
struct Folders
{
    QString templates; // the delivered templates and documents are read here
    QString output;    // the documents made are written here
    QString fallback;  // or here, when they cannot be written to `output` (empty: nowhere else)
};

struct Output
{
    QString path;   // where the document was written
    QString notice; // set when it went elsewhere than asked: says where and why
};

// The protocol of the exams held on `day` (Дата_проверки exactly that day at midnight), numbered
// 1, 2, 3 … in the table's order, saved as "Протокол.docx" in folders.output, or in
// folders.fallback when it cannot be written there (Output::notice says why). `outFile` (when
// given) is the exact output path, with no second choice.
Output printProtocol(const QSqlDatabase& db, const QDate& day, const Folders& folders,
                     const QString& outFile = QString());

// The journal of every exam in the table's order, then the list of rules, saved as "Журнал.docx".
Output printJournal(const QSqlDatabase& db, const Folders& folders, const QString& outFile = QString());

// The question list of the category at `position` (in Порядковый_номер order), made now from its
// bank in `dataFolder` through `module` (which it leaves connected to that bank), dated with the
// time it was made, saved as categoryDocumentFile(position). Throws zorvek::Error naming the
// failure (a bank that cannot be read ends the job only).
Output printCategoryQuestions(TfrmADODataModule& module, int position, const QString& dataFolder,
                              const Folders& folders, const QString& outFile = QString());

// A new document built from the delivered document `fileName` of folders.templates (the
// manual), saved into `copyFolder` under the same name; returns the copy's path for showing.
// A missing or damaged delivered file ends the program.
QString copyDocument(const Folders& folders, const QString& fileName, const QString& copyFolder);

} // namespace PrintJobs
