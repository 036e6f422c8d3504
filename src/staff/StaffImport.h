#pragma once
// Bringing a staff list into Персонал: the file read and planned against the table (which rows add
// a worker, which update the one of the same full name, which are refused and why), then stored in
// one transaction. Nothing is stored while any row is refused.
#include "core/staff/StaffRules.h"
#include "staff/StaffFile.h"

#include <QString>

class TfrmADODataModule;

namespace StaffImport {

struct Prepared
{
    QString path;
    StaffFile::Contents contents;
    StaffRules::Plan plan;
};

// The Персонал columns with their grid captions, the categories and the stored workers of the
// main database.
StaffRules::Context context(TfrmADODataModule& dataModule);

// Reads `path` and plans it. Throws zorvek::Error when the file or the table cannot be read.
Prepared prepare(TfrmADODataModule& dataModule, const QString& path);

struct Result
{
    int added = 0;
    int updated = 0;
};

// Stores an acceptable plan in one transaction; refuses any other. Throws zorvek::Error, having
// stored nothing.
Result store(TfrmADODataModule& dataModule, const StaffRules::Plan& plan);

// "Добавлено работников: 3, обновлено: 197."
QString summary(const Result& result);

} // namespace StaffImport
