#pragma once
// The print jobs, without windows: the protocol of the day's exams and the knowledge-check
// journal filled from Журнал_All into their templates, and the category documents and the
// operating manual checked and handed over for showing. The print window and zorvek-cli run them.
//
// Failures: a template or document that cannot be opened ends the program (MyWord reports it and
// throws MyWord::Fatal); any other failure throws zorvek::Error naming it and ends the job only.
#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

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

struct Folders
{
    QString program; // templates and documents; the outputs too, when it can be written
    QString data;    // the outputs' place when the program's folder cannot be written
};

struct Output
{
    QString path;   // where the document was written
    QString notice; // set when it went elsewhere than asked: says where and why
};

// The protocol of the exams held on `day` (Дата_проверки exactly that day at midnight), numbered
// 1, 2, 3 … in the table's order, saved as "Протокол.docx". `outFile` (when given) is the exact
// output path, with no second choice.
Output printProtocol(const QSqlDatabase& db, const QDate& day, const Folders& folders,
                     const QString& outFile = QString());

// The journal of every exam in the table's order, then the list of rules, saved as "Журнал.docx".
Output printJournal(const QSqlDatabase& db, const Folders& folders, const QString& outFile = QString());

// Opens a delivered document (a category document or the manual) with MyWord to make sure it is
// there and readable; returns its path for showing. A missing or damaged file ends the program.
QString openDocument(const QString& programFolder, const QString& fileName);

} // namespace PrintJobs
