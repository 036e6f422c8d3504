#include "server/ServerTransfer.h"

#include "core/AppInfo.h"
#include "core/Categories.h"
#include "core/server/ServerNames.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "server/RowChecksum.h"
#include "server/ServerConnection.h"

#include <QDir>
#include <QFile>
#include <QSqlRecord>
#include <QUuid>
#include <optional>

namespace ServerTransfer {

namespace {

// Rows go to the server in statements of this many rows at most, or of about this many bytes.
constexpr int BatchRows = 200;
constexpr qsizetype BatchBytes = 4 * 1024 * 1024;

struct Part
{
    QString file;
    QString schema;
    QList<Schema::TableStatement> tables;  // the unit's tables of the file (no working tables)
};

QList<Schema::TableStatement> sharedTables(const QList<Schema::TableStatement>& all)
{
    QList<Schema::TableStatement> list;
    for (const Schema::TableStatement& t : all) {
        if (!Schema::isWorkingTable(t.table))
            list << t;
    }
    return list;
}

QList<Part> parts()
{
    QList<Part> list{{AppInfo::MainDatabaseFile, ServerNames::MainSchema, sharedTables(Schema::mainDatabaseTables())}};
    for (int p = 0; p < Categories::BankCount; ++p)
        list.append({Categories::bankFileForPosition(p), ServerNames::bankSchema(p), sharedTables(Schema::bankTables())});
    return list;
}

// A database file of its own connection, closed and let go at the end.
class FileConnection
{
public:
    FileConnection()
    {
        m_name = QStringLiteral("transfer-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    }
    ~FileConnection()
    {
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    FileConnection(const FileConnection&) = delete;
    FileConnection& operator=(const FileConnection&) = delete;
    QSqlDatabase& db() { return m_db; }

private:
    QString m_name;
    QSqlDatabase m_db;
};

QVariantList rowOf(const QSqlQuery& q, int columns)
{
    QVariantList row;
    row.reserve(columns);
    for (int i = 0; i < columns; ++i)
        row << q.value(i);
    return row;
}

qsizetype sizeOf(const QVariantList& row)
{
    qsizetype n = 0;
    for (const QVariant& v : row)
        n += v.metaType().id() == QMetaType::QByteArray ? v.toByteArray().size() * 2 : v.toString().size() * 2;
    return n;
}

RowChecksum checksumOf(const QSqlDatabase& db, const QString& table, const QStringList& columns)
{
    RowChecksum sum;
    QSqlQuery q = Db::exec(db, QStringLiteral("Select ") + columns.join(QStringLiteral(", ")) + QStringLiteral(" From ")
                                   + table);
    while (q.next())
        sum.add(rowOf(q, int(columns.size())));
    return sum;
}

// The columns of the table on the server, which the copy must match on the file's side.
QStringList matchingColumns(const QSqlDatabase& server, const QSqlDatabase& file, const QString& fileName,
                            const QString& table)
{
    const QStringList serverColumns = Db::columnNames(server, table);
    if (serverColumns.isEmpty())
        throw zorvek::Error(QStringLiteral("На сервере нет таблицы «%1»: база данных подготовлена не полностью.").arg(table));
    if (!Db::hasTable(file, table))
        throw zorvek::Error(QStringLiteral("В файле «%1» нет таблицы «%2»; ничего не перенесено.").arg(fileName, table));
    const QStringList fileColumns = Db::columnNames(file, table);
    for (const QString& c : fileColumns) {
        if (!serverColumns.contains(c))
            throw zorvek::Error(QStringLiteral("В файле «%1» в таблице «%2» есть столбец «%3», которого нет на сервере; "
                                               "ничего не перенесено, чтобы не потерять его данные.")
                                    .arg(fileName, table, c));
    }
    for (const QString& c : serverColumns) {
        if (!fileColumns.contains(c))
            throw zorvek::Error(QStringLiteral("В файле «%1» в таблице «%2» нет столбца «%3»; ничего не перенесено.")
                                    .arg(fileName, table, c));
    }
    return serverColumns;
}

void insertBatch(const QSqlDatabase& db, const QString& table, const QStringList& columns, const QList<QVariantList>& rows)
{
    if (rows.isEmpty())
        return;
    QString marks = QStringLiteral("(") + QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(',')) + QLatin1Char(')');
    QStringList all(rows.size(), marks);
    QVariantList values;
    for (const QVariantList& r : rows)
        values += r;
    Db::exec(db, QStringLiteral("Insert Into ") + table + QStringLiteral(" (") + columns.join(QStringLiteral(", "))
                     + QStringLiteral(") Values ") + all.join(QLatin1Char(',')),
             values);
}

// A number given on insert does not move the server's own numbering: it goes on after the largest.
void continueNumbering(const QSqlDatabase& server, const QString& schema, const QString& table, const QStringList& columns)
{
    const QString column = QStringLiteral("Индекс");
    if (!columns.contains(column))
        return;
    const QString qualified =
        ServerNames::quoted(schema) + QLatin1Char('.')
        + ServerNames::quoted(SqlDialect::storedName(table, SqlDialect::Engine::Postgres));
    const QString sequence =
        Db::scalar(server, QStringLiteral("Select pg_catalog.pg_get_serial_sequence(?, ?)"), {qualified, column}).toString();
    if (sequence.isEmpty())
        return;
    const qint64 next = Db::scalar(server, QStringLiteral("Select Coalesce(Max(Индекс), 0) + 1 From ") + table).toLongLong();
    Db::exec(server, QStringLiteral("Select pg_catalog.setval(?::regclass, ?, false)"), {sequence, next});
}

void checkCopy(const TableCopy& source, const RowChecksum& copied, const QString& where)
{
    if (copied.rows() != source.rows || copied.hex() != source.checksum)
        throw zorvek::Error(QStringLiteral("Проверка копии таблицы «%1» (%2) не сошлась: %3 строк вместо %4 или другие "
                                           "значения; ничего не перенесено.")
                                .arg(source.table, where)
                                .arg(copied.rows())
                                .arg(source.rows));
}

QString shown(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QList<TableCopy> push(const QSqlDatabase& server, const QString& folder, const Progress& progress)
{
    const QDir dir(folder);
    if (!ServerConnection::hasLayout(server))
        throw zorvek::Error(QStringLiteral("В базе данных на сервере нет таблиц программы: сначала выполните "
                                           "«zorvek-cli server init»."));
    QList<TableCopy> report;
    Db::Transaction tx(server);
    for (const Part& part : parts()) {
        FileConnection file;
        Db::openDatabaseFile(file.db(), dir.filePath(part.file));
        Db::ServerSchemaScope scope(server, part.schema);
        for (const Schema::TableStatement& t : part.tables) {
            const QStringList columns = matchingColumns(server, file.db(), part.file, t.table);
            const qint64 already = Db::scalar(server, QStringLiteral("Select Count(*) From ") + t.table).toLongLong();
            if (already > 0)
                throw zorvek::Error(QStringLiteral("На сервере уже есть данные (таблица «%1.%2»: %3 строк). Папку данных "
                                                   "переносят только в только что подготовленную базу; ничего не перенесено.")
                                        .arg(part.schema, t.table)
                                        .arg(already));
            RowChecksum sum;
            QList<QVariantList> batch;
            qsizetype batchBytes = 0;
            // In the file's own order, so that the journal keeps the order its rows were added in.
            QSqlQuery q = Db::exec(file.db(), QStringLiteral("Select ") + columns.join(QStringLiteral(", "))
                                                  + QStringLiteral(" From ") + t.table + QStringLiteral(" Order By rowid"));
            while (q.next()) {
                QVariantList row = rowOf(q, int(columns.size()));
                sum.add(row);
                batchBytes += sizeOf(row);
                batch << std::move(row);
                if (batch.size() >= BatchRows || batchBytes >= BatchBytes) {
                    insertBatch(server, t.table, columns, batch);
                    batch.clear();
                    batchBytes = 0;
                }
            }
            q.finish();
            insertBatch(server, t.table, columns, batch);
            continueNumbering(server, part.schema, t.table, columns);
            const TableCopy copy{part.file, part.schema, t.table, sum.rows(), sum.hex()};
            checkCopy(copy, checksumOf(server, t.table, columns), QStringLiteral("сервер, схема «%1»").arg(part.schema));
            report << copy;
            if (progress)
                progress(copy);
        }
    }
    tx.commit();
    return report;
}

QList<TableCopy> pull(const QSqlDatabase& server, const QString& folder, const Progress& progress)
{
    if (!ServerConnection::hasLayout(server))
        throw zorvek::Error(QStringLiteral("В базе данных на сервере нет таблиц программы; копировать нечего."));
    QDir dir(folder);
    if (!dir.exists() && !QDir().mkpath(folder))
        throw zorvek::Error(QStringLiteral("Не удалось создать папку «%1».").arg(shown(folder)));
    QStringList present;
    for (const Part& part : parts()) {
        if (QFileInfo::exists(dir.filePath(part.file)))
            present << part.file;
    }
    if (!present.isEmpty())
        throw zorvek::Error(QStringLiteral("В папке «%1» уже есть %2; файлы не перезаписываются, ничего не записано. "
                                           "Укажите новую или пустую папку.")
                                .arg(shown(dir.absolutePath()), present.join(QStringLiteral(", "))));

    // Every table read from one view of the server, as it stood when the copy began.
    Db::Transaction tx(server);
    Db::exec(server, QStringLiteral("Set Transaction Isolation Level Repeatable Read, Read Only"));
    const QString tag = QUuid::createUuid().toString(QUuid::WithoutBraces).left(8);
    QStringList written;
    auto removeWritten = [&] {
        for (const QString& f : written)
            QFile::remove(f);
    };
    QList<TableCopy> report;
    try {
        for (const Part& part : parts()) {
            const QString temporary = dir.filePath(part.file + QStringLiteral(".") + tag + QStringLiteral(".part"));
            written << temporary;
            FileConnection file;
            file.db().setDatabaseName(temporary);
            if (!file.db().open())
                throw zorvek::Error(QStringLiteral("Не удалось создать файл «%1».").arg(shown(temporary)));
            Db::Transaction fileTx(file.db());
            const QList<Schema::TableStatement> all =
                part.file == AppInfo::MainDatabaseFile ? Schema::mainDatabaseTables() : Schema::bankTables();
            for (const Schema::TableStatement& t : all)
                Db::exec(file.db(), t.statement);
            Db::ServerSchemaScope scope(server, part.schema, false);
            for (const Schema::TableStatement& t : part.tables) {
                const QStringList columns = Db::columnNames(server, t.table);
                QSqlQuery insert(file.db());
                insert.prepare(QStringLiteral("Insert Into ") + t.table + QStringLiteral(" (") + columns.join(QStringLiteral(", "))
                               + QStringLiteral(") Values (") + QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(','))
                               + QLatin1Char(')'));
                RowChecksum sum;
                QSqlQuery q = Db::exec(server, QStringLiteral("Select ") + columns.join(QStringLiteral(", "))
                                                   + QStringLiteral(" From ") + t.table);
                while (q.next()) {
                    const QVariantList row = rowOf(q, int(columns.size()));
                    sum.add(row);
                    for (int i = 0; i < row.size(); ++i)
                        insert.bindValue(i, row.at(i));
                    if (!insert.exec())
                        throw DbError::fromSqlError(insert.lastError(), shown(temporary));
                }
                q.finish();
                insert.finish();
                const TableCopy copy{part.file, part.schema, t.table, sum.rows(), sum.hex()};
                checkCopy(copy, checksumOf(file.db(), t.table, columns), part.file);
                report << copy;
                if (progress)
                    progress(copy);
            }
            fileTx.commit();
        }
    } catch (...) {
        removeWritten();
        throw;
    }
    tx.commit();
    // Renaming never replaces a file: one that appeared meanwhile stops the copy, and the files of
    // this copy are taken away again.
    for (const Part& part : parts()) {
        const QString temporary = dir.filePath(part.file + QStringLiteral(".") + tag + QStringLiteral(".part"));
        written.removeAll(temporary);
        if (!QFile::rename(temporary, dir.filePath(part.file))) {
            written << temporary;
            removeWritten();
            throw zorvek::Error(QStringLiteral("Файл «%1» не записан: в папке появился файл с тем же именем.")
                                    .arg(shown(dir.filePath(part.file))));
        }
        written << dir.filePath(part.file);
    }
    return report;
}

} // namespace ServerTransfer
