#pragma once
// A staff list file as cells: an .xlsx workbook (its first sheet) or a CSV text, told apart by
// their content rather than their name.
#include "core/staff/SheetTable.h"

#include <QString>

namespace StaffFile {

struct Contents
{
    SheetTable table;
    QString description; // "таблица XLSX" or "CSV, разделитель «;», кодировка Windows-1251"
};

// Throws zorvek::Error naming the file when it cannot be read.
Contents read(const QString& path);

} // namespace StaffFile
