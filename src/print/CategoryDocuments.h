#pragma once
// The printable question list of each specialist category, one .docx per category, made from the
// category's question bank: every section with every question, its picture, its answers and each
// answer's flag. zorvek-cli docs writes them; the program delivers them beside itself and opens
// them from the print menu.
#include <QByteArray>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

class TfrmADODataModule;

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

// Writes the question list of `category` to `path` (replaced when it exists). Throws zorvek::Error.
void write(const QString& path, const QString& category, const QList<Section>& sections);

// Writes the documents of all nine categories from the banks of `dataFolder` into `outDir`,
// named as the print menu opens them; returns the paths written. Throws zorvek::Error.
QStringList writeAll(TfrmADODataModule& module, const QString& dataFolder, const QString& outDir);

} // namespace CategoryDocuments
