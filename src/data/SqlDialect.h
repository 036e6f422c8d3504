#pragma once
// Makes the engine accept the program's table statements. The statements are written once, in
// the program's own words ("Int identity", "Image", "Char(250)" ...); this layer maps the type
// words onto the engine in use. Everything else in them is plain SQL that SQLite and PostgreSQL
// both accept.
#include <QSqlDatabase>
#include <QString>

namespace SqlDialect {

enum class Engine { Sqlite, Postgres };

Engine engineOf(const QSqlDatabase& db);

// Rewrites the type words of a statement for the engine:
//   Int identity -> numbered 1, 2, 3 ... on insert, and a value given on insert is accepted
//   Image        -> a large binary object
//   Char(N)      -> on the server a text of at most N characters kept as written, as SQLite keeps
//                   it (no blanks added up to the width: the readers trim flags anyway)
// Text, SmallInt, VarChar(N), Double Precision and Not Null are accepted as they are.
QString translate(const QString& statement, Engine engine);

// The name under which the engine keeps a table or column written without quotes in a
// statement. The server folds Latin capitals to small letters ("Журнал_All" is kept as
// "Журнал_all", "Procent" as "procent"); SQLite keeps names as written.
QString storedName(const QString& name, Engine engine);

// The statement that opens a write transaction which waits for other writers up front
// (SQLite's deferred BEGIN would fail later with "database is locked").
QString beginWrite(Engine engine);

} // namespace SqlDialect
