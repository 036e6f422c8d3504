#pragma once
// Filling a section of a category's question bank from a question file, without widgets: the
// window's command and zorvek-cli share it.
//
// The file is read whole and parsed before anything is touched; a file that cannot be read, or
// in which no question of the section is found, changes nothing. The bank written is the bank
// of the category named, connected here. The section table is replaced in one transaction (drop,
// create, one row per question, Индекс numbered 1, 2, 3 … by the engine in file order); any
// failure rolls it back and the old section stays exactly as it was.
#include "core/import/QuestionFile.h"

#include <QSqlDatabase>
#include <QString>
#include <functional>

class TfrmADODataModule;

namespace SectionImport {

// Called while rows are stored: how many are stored, of how many. Returning false cancels the
// import (rolled back, the section unchanged).
using Progress = std::function<bool(int stored, int total)>;

// A question file larger than this is refused.
inline constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

// Whether `sectionTable` is one of "Раздел_1" .. "Раздел_9".
bool isSectionTable(const QString& sectionTable);

// Reads the whole file and the questions of the section in it. Throws zorvek::Error when the
// file cannot be read or no section is named.
QuestionFile::ParseResult readFile(const QString& filePath, const QString& sectionTable);

// The message for a file in which no question of the section was found.
QString noQuestionsMessage(const QString& filePath, const QString& sectionTable);

// Replaces `sectionTable` of the open bank by `questions`, in one transaction. Returns false when
// `progress` cancelled. Throws zorvek::Error ("Ошибка при записи вопроса № N" …) on failure;
// either way nothing has changed then.
bool replaceSection(const QSqlDatabase& bank, const QString& sectionTable,
                    const QList<QuestionFile::Question>& questions, const Progress& progress = {});

// Stores the questions read from `filePath` into the section of the category: refuses an empty
// list (noQuestionsMessage), connects the bank of `category` in the data folder and replaces the
// section. Returns the number stored, or -1 when `progress` cancelled. Throws zorvek::Error.
int storeQuestions(TfrmADODataModule& dataModule, const QString& category, const QString& sectionTable,
                   const QList<QuestionFile::Question>& questions, const QString& filePath,
                   const Progress& progress = {});

struct Result
{
    int stored = 0; // -1 when cancelled
    QList<QuestionFile::Diagnostic> diagnostics;
};

// readFile() and storeQuestions() in one. Throws zorvek::Error.
Result importFile(TfrmADODataModule& dataModule, const QString& category, const QString& sectionTable,
                  const QString& filePath, const Progress& progress = {});

} // namespace SectionImport
