#pragma once
// The knowledge-check journal Журнал_All as a spreadsheet: one row per exam in the table's order,
// every column under its own name, dates as date cells ("dd.mm.yyyy"), counts as numbers, texts as
// stored. A date the table holds in an unreadable form is written as the stored text.
#include <QSqlDatabase>
#include <QString>

namespace JournalSheet {

inline const QString FileName = QStringLiteral("Журнал.xlsx");

// Writes the workbook to `path` (replacing it). Returns the number of exams written.
// Throws zorvek::Error naming the file or the table on failure; no half-written file is left.
int write(const QSqlDatabase& db, const QString& path);

} // namespace JournalSheet
