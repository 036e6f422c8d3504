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
// Text, Char(250), SmallInt, VarChar(N), Double Precision and Not Null are accepted as they are.
QString translate(const QString& statement, Engine engine);

// The statement that opens a write transaction which waits for other writers up front
// (SQLite's deferred BEGIN would fail later with "database is locked").
QString beginWrite(Engine engine);

} // namespace SqlDialect
