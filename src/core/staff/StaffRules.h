#pragma once
// The rules of bringing a staff list into the table Персонал: which column of the file is which
// column of the table (by its name or its grid caption), what each cell must hold, and whether a
// row adds a worker or updates the one of the same full name. Plain data in and out: the caller
// reads the file and the table and stores the result.
#include "core/staff/SheetTable.h"

#include <QMap>
#include <QString>
#include <QStringList>

namespace StaffRules {

inline const QString CodeColumn = QStringLiteral("Код");
inline const QString NameColumn = QStringLiteral("Фамилия_Имя_Отчество");
inline const QString GroupColumn = QStringLiteral("Группа_по_электробезопасности");
inline const QString SystemColumn = QStringLiteral("Система_тока");
inline const QString CategoryColumn = QStringLiteral("Категория_специалиста");

// A column of Персонал and the caption its grid shows (empty when it shows the name).
struct Column
{
    QString name;
    QString caption;
};

// A worker already in the table.
struct Worker
{
    int code = 0;
    QString name;
};

struct Context
{
    QList<Column> columns;  // every column of Персонал, in the table's order
    QStringList categories; // Название_группы of every category
    QList<Worker> staff;    // the table's workers
};

enum class Action { Add, Update, Refused };

struct Row
{
    int number = 0;     // the row's number in the file
    Action action = Action::Refused;
    int code = 0;       // Код the worker has (Update: the stored one) or gets (Add)
    int newCode = 0;    // Update: the Код the file gives when it differs from the stored one; 0 otherwise
    QString name;       // the full name as the file gives it
    // Column name -> value to store (texts; dates in the stored form). Only the cells that hold
    // something: an empty cell leaves the stored value as it is.
    QMap<QString, QVariant> values;
    QStringList problems; // why the row is refused
};

struct Plan
{
    QStringList fileProblems;          // the file as a whole cannot be taken (no full-name column ...)
    QMap<QString, QString> matched;    // column name -> the header that names it in the file
    QStringList ignoredHeaders;        // headers that name no column of Персонал
    int headerRow = 0;                 // the header's row number in the file
    QList<Row> rows;

    int count(Action action) const;
    // Nothing is stored unless every row can be taken.
    bool acceptable() const { return fileProblems.isEmpty() && count(Action::Refused) == 0 && !rows.isEmpty(); }
    // One line per problem: "строка 7: неизвестная категория специалиста «…»".
    QStringList problemLines() const;
};

// The key a header is compared by: case, "ё", underscores, repeated blanks and a trailing colon
// do not matter.
QString headerKey(const QString& header);

// The header is the first of the file's first ten rows that names the full-name column; the rows
// after it are the workers (rows without any text are passed over).
Plan plan(const SheetTable& table, const Context& context);

// A date cell: a spreadsheet date, a spreadsheet serial day number, "дд.мм.гггг" or
// "гггг-мм-дд"; an invalid date otherwise.
QDate cellDate(const QVariant& cell);

} // namespace StaffRules
