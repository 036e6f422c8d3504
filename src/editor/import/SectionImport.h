#pragma once
// Filling a section of a category's question bank from a question file, without widgets: the
// window's command and zorvek-cli share it.
//
// The file is read whole and parsed before anything is touched, and the pictures of its picture
// folder (PictureFolder.h) with it, when there is one; a file that cannot be read, or in which no
// question of the section is found, changes nothing. The bank written is the bank of the
// category named, connected here. The section table is replaced in one transaction (drop,
// create, one row per question with its picture, Индекс numbered 1, 2, 3 … by the engine in file
// order); any failure rolls it back and the old section stays exactly as it was. A replacement
// that would leave the section fewer pictures than it holds is refused unless asked for.
#include "core/Error.h"
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

// Reads the whole file, the questions of the section in it and the pictures of its picture
// folder. Throws zorvek::Error when the file or a picture cannot be read or no section is named.
QuestionFile::ParseResult readFile(const QString& filePath, const QString& sectionTable);

// The message for a file in which no question of the section was found: what is wrong with it,
// naming the lines, and the encoding it was read in.
QString noQuestionsMessage(const QString& filePath, const QString& sectionTable,
                           const QuestionFile::ParseResult& parsed);

// "Файл прочитан в кодировке UTF-8."
QString encodingNote(QuestionFile::Encoding encoding);

// The pictures of a section before and after its replacement.
struct Pictures
{
    int now = 0;    // in the section
    int after = 0;  // among the questions that replace it
    QString folder; // the picture folder of the file
    int lost() const { return now > after ? now - after : 0; }
};
// Pictures that the section of the open bank holds and that `questions` bring. Throws DbError.
Pictures countPictures(const QSqlDatabase& bank, const QString& sectionTable,
                       const QList<QuestionFile::Question>& questions, const QString& filePath);
// The same for the bank of `category` in the data folder, connected here.
Pictures countPictures(TfrmADODataModule& dataModule, const QString& category, const QString& sectionTable,
                       const QList<QuestionFile::Question>& questions, const QString& filePath);
// "Раздел «Раздел_3» содержит 5 рисунков, …": what a replacement would lose, and why.
QString pictureLossMessage(const Pictures& pictures, const QString& sectionTable);

// The replacement was refused because it would lose pictures (the message says how many).
class PictureLoss : public zorvek::Error
{
public:
    using zorvek::Error::Error;
};

// Replaces `sectionTable` of the open bank by `questions`, in one transaction. Returns false when
// `progress` cancelled. Throws PictureLoss when the section would be left fewer pictures than it
// holds and `dropPictures` is false; zorvek::Error ("Ошибка при записи вопроса № N" …) on
// failure; either way nothing has changed then.
bool replaceSection(const QSqlDatabase& bank, const QString& sectionTable,
                    const QList<QuestionFile::Question>& questions, const Progress& progress = {},
                    bool dropPictures = false, const QString& filePath = QString());

// Stores the questions read from `filePath` into the section of the category: refuses a file
// without questions (noQuestionsMessage), connects the bank of `category` in the data folder and
// replaces the section. Returns the number stored, or -1 when `progress` cancelled. Throws
// PictureLoss or zorvek::Error.
int storeQuestions(TfrmADODataModule& dataModule, const QString& category, const QString& sectionTable,
                   const QuestionFile::ParseResult& parsed, const QString& filePath,
                   const Progress& progress = {}, bool dropPictures = false);

struct Result
{
    int stored = 0; // -1 when cancelled
    QList<QuestionFile::Diagnostic> diagnostics;
    QuestionFile::Encoding encoding = QuestionFile::Encoding::Windows1251;
};

// readFile() and storeQuestions() in one. Throws PictureLoss or zorvek::Error.
Result importFile(TfrmADODataModule& dataModule, const QString& category, const QString& sectionTable,
                  const QString& filePath, const Progress& progress = {}, bool dropPictures = false);

} // namespace SectionImport
