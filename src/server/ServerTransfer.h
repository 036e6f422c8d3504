#pragma once
// Copying a whole data folder to the shared server ("server push") and back ("server pull").
// What is copied is the unit's data: every table of BGD.mdb but the working tables of the last
// exam, Журнал_All with it, and the nine sections of every bank, pictures included. Each table is
// checked after the copy by its row count and an order-free checksum of its rows.
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <functional>

namespace ServerTransfer {

struct TableCopy
{
    QString file;       // the data folder's file ("BGD.mdb", a bank file)
    QString schema;     // the server's schema
    QString table;
    qint64 rows = 0;
    QByteArray checksum;
};

using Progress = std::function<void(const TableCopy&)>;

// Copies the folder's files into a freshly initialised server (the layout made, no rows in the
// unit's tables) in one transaction; nothing is written when any check fails. Throws zorvek::Error.
QList<TableCopy> push(const QSqlDatabase& server, const QString& folder, const Progress& progress = {});

// Writes a complete data folder (BGD.mdb and the nine banks, the working tables empty) from one
// consistent view of the server. Never overwrites a file: a folder that holds any of them is
// refused. The files appear only when all of them are written and checked. Throws zorvek::Error.
QList<TableCopy> pull(const QSqlDatabase& server, const QString& folder, const Progress& progress = {});

} // namespace ServerTransfer
