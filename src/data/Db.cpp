#include "data/Db.h"

#include "data/DbServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlRecord>
#include <algorithm>

namespace Db {

namespace {

QString shownPath(const QString& filePath)
{
    return QDir::toNativeSeparators(QFileInfo(filePath).absoluteFilePath());
}

} // namespace

QString location(const QSqlDatabase& db)
{
    if (SqlDialect::engineOf(db) == SqlDialect::Engine::Postgres)
        return serverLocation(db);
    return QStringLiteral("Файл: ") + shownPath(db.databaseName());
}

QString checkDatabaseFile(const QString& filePath)
{
    const QFileInfo info(filePath);
    const QString name = info.fileName();
    const QString folder = QDir::toNativeSeparators(info.absolutePath());
    if (!info.exists())
        return QStringLiteral("Файл базы данных «%1» не найден в папке «%2».").arg(name, folder);
    if (info.isDir())
        return QStringLiteral("«%1» в папке «%2» — это папка, а не файл базы данных.").arg(name, folder);
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("Файл базы данных «%1» недоступен для чтения: %2.").arg(shownPath(filePath), file.errorString());
    const QByteArray header = file.read(100);
    if (header.isEmpty())
        return QStringLiteral("Файл «%1» пуст: это не база данных.").arg(shownPath(filePath));
    if (header.size() < 100 || !header.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return QStringLiteral("Файл «%1» не является базой данных или повреждён.").arg(shownPath(filePath));
    return QString();
}

void openDatabaseFile(QSqlDatabase& db, const QString& filePath)
{
    if (db.isOpen())
        db.close();
    const QString problem = checkDatabaseFile(filePath);
    if (!problem.isEmpty())
        throw DbError(problem);

    const QFileInfo info(filePath);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs);
    if (!info.isWritable())
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    db.setDatabaseName(info.absoluteFilePath());
    if (!db.open())
        throw DbError::fromSqlError(db.lastError(), QStringLiteral("Файл: ") + shownPath(filePath));

    // A truncated or damaged file opens without complaint; reading it tells. A file another
    // program holds locked cannot be read either: that is "busy", not damage.
    QSqlQuery check(db);
    QString verdict;
    if (check.exec(QStringLiteral("PRAGMA quick_check")) && check.next()) {
        verdict = check.value(0).toString();
    } else {
        const QSqlError error = check.lastError();
        check.finish();
        check = QSqlQuery();
        db.close();
        DbError failure = DbError::fromSqlError(error, QStringLiteral("Файл: ") + shownPath(filePath));
        if (failure.isBusy())
            throw failure;
        throw DbError(QStringLiteral("Файл базы данных «%1» повреждён: %2").arg(shownPath(filePath), error.text()));
    }
    check.finish();
    if (verdict != QLatin1String("ok")) {
        db.close();
        throw DbError(QStringLiteral("Файл базы данных «%1» повреждён: %2").arg(shownPath(filePath), verdict));
    }
}

QSqlQuery exec(const QSqlDatabase& db, const QString& sql, const QVariantList& values)
{
    if (!db.isOpen())
        throw DbError(QStringLiteral("Нет соединения с базой данных «%1».").arg(location(db)));
    QSqlQuery query(db);
    const SqlDialect::Engine engine = SqlDialect::engineOf(db);
    const QString text = SqlDialect::translate(sql, engine);
    // The message names the file (or the server's schema), so the user knows which one is wrong.
    auto context = [&]() -> QString { return location(db); };
    if (engine == SqlDialect::Engine::Postgres && values.isEmpty()) {
        if (!query.exec(text))
            throw DbError::fromSqlError(query.lastError(), context());
        return query;
    }
    if (!query.prepare(text))
        throw DbError::fromSqlError(query.lastError(), context());
    for (const QVariant& v : values)
        query.addBindValue(v);
    if (!query.exec())
        throw DbError::fromSqlError(query.lastError(), context());
    return query;
}

QVariant scalar(const QSqlDatabase& db, const QString& sql, const QVariantList& values, const QVariant& fallback)
{
    QSqlQuery q = exec(db, sql, values);
    QVariant result = q.next() ? q.value(0) : fallback;
    q.finish();
    return result;
}

QStringList tableNames(const QSqlDatabase& db)
{
    if (SqlDialect::engineOf(db) == SqlDialect::Engine::Postgres)
        return serverTableNames(db);
    // The driver lists no tables of a file another program holds locked, without a word: asking
    // the engine first reports the lock ("busy") instead of tables that seem to be missing.
    if (db.isOpen() && SqlDialect::engineOf(db) == SqlDialect::Engine::Sqlite)
        scalar(db, QStringLiteral("Select Count(*) From sqlite_master"));
    QStringList names;
    const QStringList all = db.tables(QSql::Tables);
    for (const QString& name : all) {
        if (!name.startsWith(QLatin1String("sqlite_")))
            names << name;
    }
    return names;
}

bool hasTable(const QSqlDatabase& db, const QString& name)
{
    const SqlDialect::Engine engine = SqlDialect::engineOf(db);
    const QString wanted = SqlDialect::storedName(name, engine);
    const QStringList names = tableNames(db);
    return std::any_of(names.cbegin(), names.cend(),
                       [&](const QString& n) { return SqlDialect::storedName(n, engine) == wanted; });
}

QStringList columnNames(const QSqlDatabase& db, const QString& table)
{
    QStringList names;
    const QSqlRecord rec = db.record(SqlDialect::storedName(table, SqlDialect::engineOf(db)));
    for (int i = 0; i < rec.count(); ++i)
        names << rec.fieldName(i);
    return names;
}

Transaction::Transaction(const QSqlDatabase& db) : m_db(db)
{
    exec(m_db, SqlDialect::beginWrite(SqlDialect::engineOf(m_db)));
    m_active = true;
    markTransaction(m_db, true);
}

Transaction::~Transaction()
{
    if (m_active) {
        markTransaction(m_db, false);
        QSqlQuery q(m_db);
        q.exec(QStringLiteral("ROLLBACK"));
    }
}

void Transaction::commit()
{
    if (!m_active)
        return;
    exec(m_db, QStringLiteral("COMMIT"));
    m_active = false;
    markTransaction(m_db, false);
}

void Transaction::rollback()
{
    if (!m_active)
        return;
    m_active = false;
    markTransaction(m_db, false);
    exec(m_db, QStringLiteral("ROLLBACK"));
}

} // namespace Db
