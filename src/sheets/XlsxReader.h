#pragma once
// Reads the first sheet of an .xlsx workbook (Office Open XML spreadsheet) into cells: shared and
// inline strings as texts, numbers as doubles, numbers in a date format as dates, booleans.
// Formulas give their cached value.
#include "core/staff/SheetTable.h"

#include <QString>

namespace XlsxReader {

// Throws zorvek::Error naming the file and the reason when it is no readable workbook.
SheetTable read(const QString& path);

// Whether a number format code shows a date ("dd.mm.yyyy", "m/d/yy", "[$-419]d mmmm yyyy" ...):
// it has a day, month or year part outside quotes and brackets and is not a time of day alone.
bool isDateFormat(const QString& formatCode);

// Column A is 0, Z 25, AA 26 ...: the column part of a cell reference such as "AB12"; -1 when none.
int columnOf(const QString& cellReference);

} // namespace XlsxReader
