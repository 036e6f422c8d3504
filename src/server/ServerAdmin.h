#pragma once
// The shared server's layout and roles, made by the administrator ("zorvek-cli server …").
//
// One database holds: the schema "main" (the main tables; the journal Журнал_All), a schema per
// category bank "bank_1" .. "bank_9" (the sections Раздел_1 .. Раздел_9), and a schema per station
// "station_<name>" (that desk's working tables of an exam: Журнал, Ответы, Вопросы_ответы, Выбор).
// The server itself enforces who may change what:
//   zorvek_station     reads banks, criteria and staff; writes its own working tables; adds rows
//                      to Журнал_All (never changes or deletes one); sets a worker's exam date
//   zorvek_operator    the station's rights and the staff (Персонал)
//   zorvek_maintainer  the operator's rights, the banks (editor, import) and the reference tables
//   zorvek_owner       owns the layout (the administrator)
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace ServerAdmin {

// What keeps the database from being taken for the layout (an object of its own, another
// encoding than UTF-8); empty when it is an empty database.
QString emptinessProblem(const QSqlDatabase& db);

// Makes the layout and the roles (the roles only when the server has none of that name yet) in
// one transaction. Refuses a database that is not empty. Throws zorvek::Error.
void init(const QSqlDatabase& db);

// Adds a station's schema with its working tables. Throws zorvek::Error for a bad or taken name.
void addStation(const QSqlDatabase& db, const QString& station);

// The stations of the layout, by name.
QStringList stations(const QSqlDatabase& db);

} // namespace ServerAdmin
