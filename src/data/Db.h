#pragma once
// Small helpers over Qt SQL used by every subsystem: checked opening of a database file,
// statements with bound values that throw DbError, user-table listing, write transactions.
#include "data/DbError.h"
#include "data/SqlDialect.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantList>

namespace Db {

// How long a connection waits for another program's write before it reports "busy".
inline constexpr int BusyTimeoutMs = 5000;

// Checks that `filePath` is an existing, readable SQLite database and opens `db` on it
// (closing it first). Never creates or writes the file: a missing file, a directory, an
// empty or foreign file, or a damaged database gives a DbError naming the file and the reason.
// A file the user may not write is opened read-only.
void openDatabaseFile(QSqlDatabase& db, const QString& filePath);

// Only the file checks of openDatabaseFile; returns the reason, empty when the file is usable.
QString checkDatabaseFile(const QString& filePath);

// Prepares `sql` (translated for the engine), binds `values` in order and executes it.
// Throws DbError with the engine's text on failure. On the server a statement without values
// (table statements among them, which the server does not prepare) is sent as it is.
QSqlQuery exec(const QSqlDatabase& db, const QString& sql, const QVariantList& values = {});

// A single value of the first row of a query; `fallback` when there is no row.
QVariant scalar(const QSqlDatabase& db, const QString& sql, const QVariantList& values = {},
                const QVariant& fallback = QVariant());

// Names of the user tables (no engine tables such as sqlite_sequence). On the server: the tables
// the connection's search path shows, under the program's own spelling of their names.
QStringList tableNames(const QSqlDatabase& db);
// Whether a user table of exactly this name exists (case-sensitive).
bool hasTable(const QSqlDatabase& db, const QString& name);
// Column names of a table in their order; empty when the table does not exist.
QStringList columnNames(const QSqlDatabase& db, const QString& table);

// Where a server connection's tables lie: the station's schema holds the working tables of an
// exam, the home schema the main tables or one category bank. Empty for a database file.
struct ServerPlacement
{
    QString stationSchema;
    QString homeSchema;
    QString database;  // the server's database name, for messages
};
void setServerPlacement(const QSqlDatabase& db, const ServerPlacement& placement);
ServerPlacement serverPlacement(const QSqlDatabase& db);

// How messages name a connection's database: "Файл: <path>" or "Сервер: база «…», схема «…»".
QString location(const QSqlDatabase& db);

// Whether a Transaction is open on the connection.
bool inTransaction(const QSqlDatabase& db);

// On the server: until destroyed (or the transaction ends), unqualified names mean the tables of
// `schema`; with `asOwner`, statements run as the schema's owner role too, so new tables belong
// to that role and every member of it may use and re-create them (the server refuses a user who
// is not a member). Must be used inside a transaction.
class ServerSchemaScope
{
public:
    ServerSchemaScope(const QSqlDatabase& db, const QString& schema, bool asOwner = true);
    ~ServerSchemaScope();
    ServerSchemaScope(const ServerSchemaScope&) = delete;
    ServerSchemaScope& operator=(const ServerSchemaScope&) = delete;

private:
    QSqlDatabase m_db;
    QString m_path;
    QString m_role;
};

// A write transaction: begun immediately (so a second program waits or is refused up front),
// rolled back on destruction unless commit() was called.
class Transaction
{
public:
    explicit Transaction(const QSqlDatabase& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();
    void rollback();

private:
    QSqlDatabase m_db;
    bool m_active = false;
};

} // namespace Db
