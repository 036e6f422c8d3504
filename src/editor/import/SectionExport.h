#pragma once
// Writing a section of a category's question bank as a question file (the format of
// core/import/QuestionFileWriter.h) and its picture folder (PictureFolder.h), so that importing
// the file gives back the same texts, flags and pictures.
#include "core/import/QuestionFileWriter.h"

#include <QSqlDatabase>
#include <QString>

class TfrmADODataModule;

namespace SectionExport {

// The questions of a section table in Индекс order, with their pictures. A question has three
// answers when its third answer or third flag holds any text, two otherwise (Количество_ответов
// is not relied upon: the editor does not keep it). Throws DbError.
QList<QuestionFile::Question> readSection(const QSqlDatabase& bank, const QString& sectionTable);

struct Result
{
    QByteArray bytes;  // the file's contents
    int count = 0;     // questions written
    bool utf8 = false; // the texts need characters Windows-1251 lacks: UTF-8 with a byte-order mark
    QList<QuestionFile::RoundTripProblem> problems; // questions that would not read back unchanged
    QList<QuestionFile::Question> questions;        // as read, pictures included
    int pictures = 0;                               // questions with a picture that can be written
};

// Connects the bank of `category` in the data folder and writes `sectionTable`. Throws zorvek::Error.
Result exportSection(TfrmADODataModule& dataModule, const QString& category, const QString& sectionTable);

// Writes the file to `filePath` and the pictures into its picture folder; returns the number of
// pictures written. Throws zorvek::Error naming the file that could not be written.
int writeFiles(const Result& result, const QString& filePath);

} // namespace SectionExport
