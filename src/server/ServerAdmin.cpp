#include "server/ServerAdmin.h"

#include "core/Categories.h"
#include "core/server/ServerChoice.h"
#include "core/server/ServerNames.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "server/ServerConnection.h"

using namespace ServerNames;

namespace ServerAdmin {

namespace {

// A role made only when missing; another database of the same server may have made it already.
void ensureRole(const QSqlDatabase& db, const QString& role)
{
    Db::exec(db, QStringLiteral("DO $$ BEGIN CREATE ROLE %1 NOLOGIN; "
                                "EXCEPTION WHEN duplicate_object OR unique_violation THEN NULL; END $$")
                     .arg(quoted(role)));
}

void grantRole(const QSqlDatabase& db, const QString& role, const QString& member)
{
    Db::exec(db, QStringLiteral("DO $$ BEGIN GRANT %1 TO %2; "
                                "EXCEPTION WHEN duplicate_object OR unique_violation THEN NULL; END $$")
                     .arg(quoted(role), member));  // `member`: a quoted role or CURRENT_USER
}

void createTables(const QSqlDatabase& db, const QString& schema, const QList<Schema::TableStatement>& tables,
                  bool working)
{
    Db::ServerSchemaScope scope(db, schema);
    for (const Schema::TableStatement& t : tables) {
        if (Schema::isWorkingTable(t.table) == working)
            Db::exec(db, t.statement);
    }
}

void makeMain(const QSqlDatabase& db)
{
    Db::exec(db, QStringLiteral("Create Schema %1 Authorization %2").arg(quoted(MainSchema), quoted(OwnerRole)));
    createTables(db, MainSchema, Schema::mainDatabaseTables(), false);
    Db::ServerSchemaScope scope(db, MainSchema);
    const QString station = quoted(StationRole);
    const QStringList grants{
        QStringLiteral("Grant Usage On Schema %1 To %2").arg(quoted(MainSchema), station),
        QStringLiteral("Grant Select On All Tables In Schema %1 To %2").arg(quoted(MainSchema), station),
        // The journal only grows: a station adds rows and can neither change nor delete one.
        QStringLiteral("Grant Insert On Журнал_All To %1").arg(station),
        // The exam writes the day of the worker's exam into the staff table, and nothing else.
        QStringLiteral("Grant Update (Дата_сдачи_экзамена) On Персонал To %1").arg(station),
        QStringLiteral("Grant Insert, Update, Delete On Персонал To %1").arg(quoted(OperatorRole)),
        QStringLiteral("Grant Insert, Update, Delete On Группа_по_безопасности, Критерии_оценки, Procent, "
                       "Количество_вопросов_по_разделам, Должность To %1")
            .arg(quoted(MaintainerRole)),
    };
    for (const QString& g : grants)
        Db::exec(db, g);
}

void makeBank(const QSqlDatabase& db, int position)
{
    const QString schema = bankSchema(position);
    Db::exec(db, QStringLiteral("Create Schema %1 Authorization %2").arg(quoted(schema), quoted(MaintainerRole)));
    createTables(db, schema, Schema::bankTables(), false);
    Db::ServerSchemaScope scope(db, schema);
    const QString station = quoted(StationRole);
    Db::exec(db, QStringLiteral("Grant Usage On Schema %1 To %2").arg(quoted(schema), station));
    Db::exec(db, QStringLiteral("Grant Select On All Tables In Schema %1 To %2").arg(quoted(schema), station));
    // The import makes a section anew; the stations read the new table as they read the old one.
    Db::exec(db, QStringLiteral("Alter Default Privileges For Role %1 In Schema %2 Grant Select On Tables To %3")
                     .arg(quoted(MaintainerRole), quoted(schema), station));
}

} // namespace

QString emptinessProblem(const QSqlDatabase& db)
{
    const QString encoding = Db::scalar(db, QStringLiteral("Select pg_catalog.current_setting('server_encoding')")).toString();
    if (encoding != QLatin1String("UTF8"))
        return QStringLiteral("База данных создана в кодировке %1; программе нужна UTF8 "
                              "(createdb --encoding=UTF8 --template=template0 …).")
            .arg(encoding);
    const QString schema = Db::scalar(db, QStringLiteral("Select nspname From pg_catalog.pg_namespace "
                                                         "Where nspname Not Like 'pg\\_%' And nspname <> 'information_schema' "
                                                         "And nspname <> 'public' Order By nspname Limit 1"))
                               .toString();
    if (!schema.isEmpty())
        return QStringLiteral("База данных не пуста: в ней есть схема «%1».").arg(schema);
    const QString object = Db::scalar(db, QStringLiteral("Select c.relname From pg_catalog.pg_class c "
                                                         "Join pg_catalog.pg_namespace n On n.oid = c.relnamespace "
                                                         "Where n.nspname = 'public' Order By c.relname Limit 1"))
                               .toString();
    if (!object.isEmpty())
        return QStringLiteral("База данных не пуста: в ней есть таблица «%1».").arg(object);
    return QString();
}

void init(const QSqlDatabase& db)
{
    Db::Transaction tx(db);
    if (ServerConnection::hasLayout(db))
        throw zorvek::Error(QStringLiteral("База данных уже подготовлена для программы; ничего не изменено."));
    const QString problem = emptinessProblem(db);
    if (!problem.isEmpty())
        throw zorvek::Error(problem + QStringLiteral(" Команда init готовит только пустую базу данных; ничего не изменено."));

    for (const QString& role : {StationRole, OperatorRole, MaintainerRole, OwnerRole})
        ensureRole(db, role);
    grantRole(db, StationRole, quoted(OperatorRole));
    grantRole(db, OperatorRole, quoted(MaintainerRole));
    grantRole(db, MaintainerRole, quoted(OwnerRole));
    // The administrator who runs init owns the layout through the owner role.
    if (!Db::scalar(db, QStringLiteral("Select rolsuper From pg_catalog.pg_roles Where rolname = current_user")).toBool())
        grantRole(db, OwnerRole, QStringLiteral("CURRENT_USER"));

    makeMain(db);
    for (int p = 0; p < Categories::BankCount; ++p)
        makeBank(db, p);
    // Written last: a database with the mark holds the whole layout.
    Db::exec(db, QStringLiteral("Comment On Schema %1 Is '%2'").arg(quoted(MainSchema), LayoutMarker));
    tx.commit();
}

void addStation(const QSqlDatabase& db, const QString& name)
{
    const QString station = Server::normalStationName(name);
    const QString problem = Server::stationNameProblem(station);
    if (!problem.isEmpty())
        throw zorvek::Error(problem);
    Db::Transaction tx(db);
    if (!ServerConnection::hasLayout(db))
        throw zorvek::Error(QStringLiteral("В базе данных нет таблиц программы: сначала выполните «zorvek-cli server init»."));
    const QString schema = stationSchema(station);
    if (ServerConnection::schemaExists(db, schema))
        throw zorvek::Error(QStringLiteral("Станция «%1» уже заведена; ничего не изменено.").arg(station));
    Db::exec(db, QStringLiteral("Create Schema %1 Authorization %2").arg(quoted(schema), quoted(StationRole)));
    createTables(db, schema, Schema::mainDatabaseTables() + Schema::bankTables(), true);
    tx.commit();
}

QStringList stations(const QSqlDatabase& db)
{
    QStringList list;
    QSqlQuery q = Db::exec(db, QStringLiteral("Select nspname From pg_catalog.pg_namespace Order By nspname"));
    while (q.next()) {
        const QString station = stationOfSchema(q.value(0).toString());
        if (!station.isEmpty())
            list << station;
    }
    return list;
}

} // namespace ServerAdmin
