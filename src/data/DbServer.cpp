#include "data/DbServer.h"

#include "core/server/ServerNames.h"
#include "data/Db.h"
#include "data/Schema.h"

#include <QHash>
#include <QMutex>

namespace Db {

namespace {

struct Registry
{
    QMutex mutex;
    QHash<QString, ServerPlacement> placements;
    QHash<QString, int> transactions;
};

Registry& registry()
{
    static Registry r;
    return r;
}

} // namespace

void setServerPlacement(const QSqlDatabase& db, const ServerPlacement& placement)
{
    QMutexLocker lock(&registry().mutex);
    registry().placements.insert(db.connectionName(), placement);
}

ServerPlacement serverPlacement(const QSqlDatabase& db)
{
    QMutexLocker lock(&registry().mutex);
    return registry().placements.value(db.connectionName());
}

void markTransaction(const QSqlDatabase& db, bool open)
{
    QMutexLocker lock(&registry().mutex);
    int& n = registry().transactions[db.connectionName()];
    n = qMax(0, n + (open ? 1 : -1));
}

bool inTransaction(const QSqlDatabase& db)
{
    QMutexLocker lock(&registry().mutex);
    return registry().transactions.value(db.connectionName()) > 0;
}

QString serverLocation(const QSqlDatabase& db)
{
    const ServerPlacement p = serverPlacement(db);
    if (p.database.isEmpty())
        return QStringLiteral("Сервер базы данных");
    QString text = QStringLiteral("Сервер: база данных «%1»").arg(p.database);
    if (!p.homeSchema.isEmpty())
        text += QStringLiteral(", схема «%1»").arg(p.homeSchema);
    if (!p.stationSchema.isEmpty())
        text += QStringLiteral(", станция «%1»").arg(ServerNames::stationOfSchema(p.stationSchema));
    return text;
}

QStringList serverTableNames(const QSqlDatabase& db)
{
    // Tables of the schemas on the search path, as an unqualified name would find them.
    QSqlQuery q = exec(db, QStringLiteral("Select c.relname From pg_catalog.pg_class c "
                                          "Join pg_catalog.pg_namespace n On n.oid = c.relnamespace "
                                          "Where c.relkind In ('r', 'p') And pg_catalog.pg_table_is_visible(c.oid) "
                                          "And n.nspname <> 'pg_catalog' And n.nspname <> 'information_schema' "
                                          "Order By c.relname"));
    QHash<QString, QString> spelling;
    for (const QString& name : Schema::programTableNames())
        spelling.insert(SqlDialect::storedName(name, SqlDialect::Engine::Postgres), name);
    QStringList names;
    while (q.next()) {
        const QString stored = q.value(0).toString();
        names << spelling.value(stored, stored);
    }
    return names;
}

ServerSchemaScope::ServerSchemaScope(const QSqlDatabase& db, const QString& schema, bool asOwner) : m_db(db)
{
    QSqlQuery now = exec(m_db, QStringLiteral("Select pg_catalog.current_setting('search_path'), "
                                              "pg_catalog.current_setting('role')"));
    now.next();
    m_path = now.value(0).toString();
    m_role = now.value(1).toString();
    now.finish();
    const QString owner = scalar(m_db,
                                 QStringLiteral("Select pg_catalog.pg_get_userbyid(nspowner) From pg_catalog.pg_namespace "
                                                "Where nspname = ?"),
                                 {schema})
                              .toString();
    if (owner.isEmpty())
        throw DbError(QStringLiteral("На сервере нет схемы «%1»: база данных подготовлена не полностью.").arg(schema));
    exec(m_db, QStringLiteral("Select pg_catalog.set_config('search_path', ?, true), pg_catalog.set_config('role', ?, true)"),
         {ServerNames::searchPath({schema}), asOwner ? owner : m_role});
}

ServerSchemaScope::~ServerSchemaScope()
{
    // After a failed statement the transaction is void and rolls these settings back by itself.
    QSqlQuery q(m_db);
    if (q.prepare(QStringLiteral("Select pg_catalog.set_config('role', ?, true), pg_catalog.set_config('search_path', ?, true)"))) {
        q.addBindValue(m_role);
        q.addBindValue(m_path);
        q.exec();
    }
}

} // namespace Db
