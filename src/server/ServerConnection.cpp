#include "server/ServerConnection.h"

#include "core/server/ServerNames.h"
#include "data/Db.h"

#include <QSqlError>
#include <libpq-fe.h>
#include <netdb.h>
#include <sys/socket.h>

namespace ServerConnection {

namespace {

// The program names itself to the server; a connection string may still give its own values.
QString fullConninfo(const QString& conninfo)
{
    return QStringLiteral("fallback_application_name=zorvek connect_timeout=10 ") + conninfo;
}

QString fromPq(const char* text)
{
    return text ? QString::fromUtf8(text).trimmed() : QString();
}

bool hostResolves(const QString& host)
{
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* result = nullptr;
    const int rc = getaddrinfo(host.toUtf8().constData(), nullptr, &hints, &result);
    if (result)
        freeaddrinfo(result);
    return rc == 0;
}

struct Conn
{
    explicit Conn(PGconn* c) : c(c) {}
    ~Conn() { PQfinish(c); }
    Conn(const Conn&) = delete;
    Conn& operator=(const Conn&) = delete;
    PGconn* c;
};

// With the same parameters on the database every server has: tells a missing database from a
// server that cannot be reached at all. `onServer`: "На сервере «…»" or the local server's words.
QString diagnoseDatabase(const QString& conninfo, const QString& database, const QString& onServer)
{
    const QByteArray full = fullConninfo(conninfo).toUtf8();
    const char* keys[] = {"dbname", "dbname", nullptr};
    const char* values[] = {full.constData(), "postgres", nullptr};
    Conn probe(PQconnectdbParams(keys, values, 1));
    if (PQstatus(probe.c) != CONNECTION_OK)
        return QString();
    const QByteArray name = database.toUtf8();
    const char* params[] = {name.constData()};
    PGresult* r = PQexecParams(probe.c, "select 1 from pg_catalog.pg_database where datname = $1", 1, nullptr, params,
                               nullptr, nullptr, 0);
    const bool exists = PQresultStatus(r) == PGRES_TUPLES_OK && PQntuples(r) > 0;
    PQclear(r);
    if (exists)
        return QStringLiteral("%1 нет права подключения к базе данных «%2»; его даёт администратор сервера.")
            .arg(onServer, database);
    return QStringLiteral("%1 нет базы данных «%2». Проверьте «dbname» в строке подключения; новую базу "
                          "готовит администратор командой zorvek-cli server init.")
        .arg(onServer, database);
}

} // namespace

QString diagnose(const QString& conninfo)
{
    char* parseError = nullptr;
    PQconninfoOption* options = PQconninfoParse(conninfo.toUtf8().constData(), &parseError);
    if (!options) {
        const QString why = fromPq(parseError);
        PQfreemem(parseError);
        return QStringLiteral("Строка подключения к серверу «%1» записана неверно.\r%2").arg(conninfo, why);
    }
    PQconninfoFree(options);

    Conn conn(PQconnectdb(fullConninfo(conninfo).toUtf8().constData()));
    const QString detail = fromPq(PQerrorMessage(conn.c));
    if (PQstatus(conn.c) == CONNECTION_OK)
        return QStringLiteral("Соединение с сервером прервалось при подключении; повторите попытку.");
    const QString host = fromPq(PQhost(conn.c));
    const QString user = fromPq(PQuser(conn.c));
    const QString database = fromPq(PQdb(conn.c));
    const bool local = host.isEmpty() || host.startsWith(QLatin1Char('/'));
    const QString server = local ? QStringLiteral("Сервер базы данных на этом компьютере")
                                 : QStringLiteral("Сервер базы данных «%1»").arg(host);
    QString message;
    if (PQconnectionNeedsPassword(conn.c))
        message = QStringLiteral("%1 требует пароль пользователя «%2», а пароль не задан. Программа паролей не "
                                 "хранит: запишите пароль в файл ~/.pgpass этого компьютера.")
                      .arg(server, user);
    else if (PQconnectionUsedPassword(conn.c))
        message = QStringLiteral("%1 не принял пароль пользователя «%2»: пароль неверен. Проверьте его в файле "
                                 "~/.pgpass этого компьютера.")
                      .arg(server, user);
    else if (!host.isEmpty() && !host.startsWith(QLatin1Char('/')) && !host.contains(QLatin1Char(','))
             && !hostResolves(host))
        message = QStringLiteral("Сервер «%1» не найден: такого имени нет в сети. Проверьте «host» в строке подключения "
                                 "(или в pg_service.conf).")
                      .arg(host);
    else
        message = diagnoseDatabase(conninfo, database,
                                   local ? QStringLiteral("На сервере базы данных этого компьютера")
                                         : QStringLiteral("На сервере «%1»").arg(host));
    if (message.isEmpty() && PQping(fullConninfo(conninfo).toUtf8().constData()) == PQPING_OK)
        message = QStringLiteral("%1 отказал в подключении пользователю «%2» к базе данных «%3»: такого пользователя нет "
                                 "или ему не разрешено подключаться; это решает администратор сервера.")
                      .arg(server, user, database);
    if (message.isEmpty())
        message = QStringLiteral("%1 не отвечает или не принимает подключения: нет связи с сервером.").arg(server);
    return message + QLatin1Char('\r') + detail;
}

void open(QSqlDatabase& db, const QString& conninfo)
{
    if (db.isOpen())
        db.close();
    db.setConnectOptions(fullConninfo(conninfo));
    if (!db.open())
        throw DbError(diagnose(conninfo));
    // Waits for another station's lock as long as SQLite waits for a busy file, then gives up; the
    // server's notices ("drop cascades to …") stay out of the program's output.
    Db::exec(db, QStringLiteral("Select pg_catalog.set_config('lock_timeout', ?, false), "
                                "pg_catalog.set_config('client_min_messages', 'warning', false)"),
             {QString::number(Db::BusyTimeoutMs)});
}

bool schemaExists(const QSqlDatabase& db, const QString& schema)
{
    return Db::scalar(db, QStringLiteral("Select Count(*) From pg_catalog.pg_namespace Where nspname = ?"), {schema}, 0)
               .toInt()
           > 0;
}

bool hasLayout(const QSqlDatabase& db)
{
    return Db::scalar(db,
                      QStringLiteral("Select pg_catalog.obj_description(oid, 'pg_namespace') From pg_catalog.pg_namespace "
                                     "Where nspname = ?"),
                      {ServerNames::MainSchema})
               .toString()
           == ServerNames::LayoutMarker;
}

void place(const QSqlDatabase& db, const Db::ServerPlacement& asked)
{
    Db::ServerPlacement placement = asked;
    placement.database = Db::scalar(db, QStringLiteral("Select pg_catalog.current_database()")).toString();
    const QString database = placement.database;
    if (!hasLayout(db))
        throw DbError(QStringLiteral("В базе данных «%1» на сервере нет таблиц программы. Подготовьте её командой "
                                     "«zorvek-cli server init» (на пустой базе данных).")
                          .arg(database));
    const QString station = ServerNames::stationOfSchema(placement.stationSchema);
    if (!placement.stationSchema.isEmpty() && !schemaExists(db, placement.stationSchema))
        throw DbError(QStringLiteral("Станция «%1» не заведена в базе данных «%2» на сервере. Её заводит администратор "
                                     "командой «zorvek-cli server add-station %1».")
                          .arg(station, database));
    if (!placement.homeSchema.isEmpty() && !schemaExists(db, placement.homeSchema))
        throw DbError(QStringLiteral("В базе данных «%1» на сервере нет схемы «%2»: база подготовлена не полностью.")
                          .arg(database, placement.homeSchema));
    QStringList path;
    for (const QString& s : {placement.stationSchema, placement.homeSchema}) {
        if (!s.isEmpty())
            path << s;
    }
    Db::exec(db, QStringLiteral("Select pg_catalog.set_config('search_path', ?, false)"), {ServerNames::searchPath(path)});
    Db::setServerPlacement(db, placement);
}

} // namespace ServerConnection
