#pragma once
// The cells of one sheet as a reader found them: CSV cells are texts; spreadsheet cells are texts,
// numbers (double), dates (QDate or QDateTime) or booleans. Empty cells are null.
#include <QList>
#include <QVariant>

struct SheetRow
{
    int number = 0;        // the row's number in the file as its program shows it (the first is 1)
    QList<QVariant> cells; // column A first; a row may be shorter than another
};

struct SheetTable
{
    QList<SheetRow> rows;
};
