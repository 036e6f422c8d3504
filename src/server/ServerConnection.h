#pragma once
// Connections to the shared PostgreSQL server. The server is named by a libpq connection string;
// the password is never the program's business: libpq finds it in ~/.pgpass, pg_service.conf or
// the environment, and "sslmode" in the string asks for TLS.
#include "data/Db.h"

#include <QSqlDatabase>
#include <QString>

namespace ServerConnection {

// The Qt SQL driver of the server.
inline const QString Driver = QStringLiteral("QPSQL");

// Opens `db` (a connection of the QPSQL driver) on the server. A connection that fails gives one
// clear message per cause: a wrong or missing password, an unknown host, a missing database, a
// server that cannot be reached. Reads nothing, writes nothing.
void open(QSqlDatabase& db, const QString& conninfo);

// Checks that the database holds the program's layout (and the station, when named), then points
// the connection's search path at the station's schema and the home schema and records the
// placement. Throws DbError naming what is missing; "zorvek-cli server init" / "add-station"
// make it.
void place(const QSqlDatabase& db, const Db::ServerPlacement& placement);

// Whether a schema of that name exists.
bool schemaExists(const QSqlDatabase& db, const QString& schema);
// Whether the database holds the layout that "server init" makes.
bool hasLayout(const QSqlDatabase& db);

// The message for a connection that failed; libpq's own text follows on a line of its own.
QString diagnose(const QString& conninfo);

} // namespace ServerConnection
