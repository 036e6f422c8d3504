#pragma once
// Names of the shared server's layout: one database holding a schema for the main tables, a
// schema per category bank and a schema per station (that desk's working tables of an exam), and
// the roles that the server's grants are given to.
#include <QString>
#include <QStringList>

namespace ServerNames {

// The main tables of the unit (staff, categories, criteria, the journal Журнал_All …).
inline const QString MainSchema = QStringLiteral("main");
// The bank of a 0-based category position: "bank_1" .. "bank_9"; empty outside 0..8.
QString bankSchema(int position);
// A station's working tables: "station_" + the (checked) station name.
QString stationSchema(const QString& station);
// The station of a schema name; empty when it is no station schema.
QString stationOfSchema(const QString& schema);

// Group roles (no login): a station (exams, self-training, viewing), an operator (also the
// staff), a maintainer (also the banks, the reference tables and the import), and the owner of
// the layout. Each includes the one before it; logins are made members of one of them.
inline const QString StationRole = QStringLiteral("zorvek_station");
inline const QString OperatorRole = QStringLiteral("zorvek_operator");
inline const QString MaintainerRole = QStringLiteral("zorvek_maintainer");
inline const QString OwnerRole = QStringLiteral("zorvek_owner");

// Written on the main schema by "server init": a database with it holds the program's layout.
inline const QString LayoutMarker = QStringLiteral("zorvek layout 1");

// An identifier in double quotes, inner quotes doubled. Only for names built by the program from
// checked parts; never for values.
QString quoted(const QString& identifier);
// A search path of quoted schema names: "\"station_a\", \"main\"".
QString searchPath(const QStringList& schemas);

} // namespace ServerNames
