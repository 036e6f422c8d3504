#pragma once
// The printable question list of each specialist category, one .docx per category, made from the
// category's question bank: every section with every question, its picture, its answers and each
// answer's flag. Each print command makes its list anew from the bank as it is then
// (PrintJobs::printCategoryQuestions), and so does zorvek-cli docs.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace CategoryDocuments {

struct Answer
{
    QString text;
    QString flag;
};

struct Question
{
    int index = 0;
    QString text;
    QByteArray picture; // as stored (any format QImage reads); empty when none
    QList<Answer> answers;
};

struct Section
{
    int number = 0; // 1..9
    QList<Question> questions;
};

// The sections Раздел_1 .. Раздел_9 the bank has, each in Индекс order. Throws DbError.
QList<Section> readBank(const QSqlDatabase& bank);

// Writes the question list of `category` to `path` (replaced when it exists), saying it was made
// at `made`. Throws zorvek::Error.
void write(const QString& path, const QString& category, const QList<Section>& sections,
           const QDateTime& made);

} // namespace CategoryDocuments
