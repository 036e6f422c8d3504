#pragma once
// The server's side of the Db helpers (internal to the data module).
#include <QSqlDatabase>
#include <QStringList>

namespace Db {

// The user tables that the connection's search path shows (program spelling of known names).
QStringList serverTableNames(const QSqlDatabase& db);
// "Сервер: база «…», схема «…»".
QString serverLocation(const QSqlDatabase& db);
// Keeps count of the open Transaction objects of each connection.
void markTransaction(const QSqlDatabase& db, bool open);

} // namespace Db
