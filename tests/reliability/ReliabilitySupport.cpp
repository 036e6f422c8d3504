#include "ReliabilitySupport.h"

#include "TestDataFolder.h"
#include "core/server/ServerChoice.h"
#include "data/Db.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringEncoder>
#include <QUuid>

namespace Reliability {

int rounds(int fallback)
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("ZORVEK_RELIABILITY_ROUNDS", &ok);
    return ok && n > 0 ? n : fallback;
}

QString cliPath()
{
    return QStringLiteral(ZORVEK_CLI_PATH);
}

QProcess* startCli(const QStringList& args, const QString& workDir, QObject* parent)
{
    auto* p = new QProcess(parent);
    p->setWorkingDirectory(workDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p->setProcessEnvironment(env);
    p->start(cliPath(), args);
    return p;
}

RunResult runCli(const QStringList& args, const QString& workDir, int timeoutMs)
{
    QProcess p;
    p.setWorkingDirectory(workDir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(cliPath(), args);
    RunResult r;
    if (!p.waitForStarted(10000))
        return r;
    if (!p.waitForFinished(timeoutMs)) {
        r.timedOut = true;
        p.kill();
        p.waitForFinished(5000);
    }
    r.crashed = p.exitStatus() == QProcess::CrashExit && !r.timedOut;
    r.exitCode = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

namespace {

// A database file of a folder on the server stands for schemas there: reached as the program does.
bool onServer(const QString& dbPath)
{
    return !QFileInfo::exists(dbPath) && QFileInfo::exists(QFileInfo(dbPath).dir().filePath(Server::FileName));
}

template <typename F>
auto withDatabase(const QString& dbPath, F f)
{
    if (onServer(dbPath)) {
        TestConnection c(dbPath);
        return f(c.db());
    }
    const QString name = QUuid::createUuid().toString();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    db.setDatabaseName(dbPath);
    db.open();
    auto result = f(db);
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(name);
    return result;
}

} // namespace

QString integrityCheck(const QString& dbPath)
{
    if (onServer(dbPath)) {
        // The server keeps its own files whole; what a test can see is that every table reads.
        return withDatabase(dbPath, [](QSqlDatabase& db) {
            QStringList findings;
            for (const QString& t : Db::tableNames(db)) {
                QSqlQuery q(db);
                if (!q.exec(QStringLiteral("Select Count(*) From ") + t))
                    findings << q.lastError().text();
            }
            return findings.isEmpty() ? QStringLiteral("ok") : findings.join(QLatin1Char('\n'));
        });
    }
    return withDatabase(dbPath, [](QSqlDatabase& db) {
        QSqlQuery q(db);
        if (!q.exec(QStringLiteral("PRAGMA integrity_check")))
            return q.lastError().text();
        QStringList findings;
        while (q.next())
            findings << q.value(0).toString();
        return findings.join(QLatin1Char('\n'));
    });
}

QList<QVariantList> rows(const QString& dbPath, const QString& sql, const QVariantList& values)
{
    return withDatabase(dbPath, [&](QSqlDatabase& db) {
        QList<QVariantList> result;
        QSqlQuery q(db);
        q.prepare(sql);
        for (const QVariant& v : values)
            q.addBindValue(v);
        if (!q.exec())
            qWarning("query failed: %s", qPrintable(q.lastError().text()));
        while (q.next()) {
            QVariantList row;
            for (int i = 0; i < q.record().count(); ++i)
                row << q.value(i);
            result << row;
        }
        return result;
    });
}

QVariant scalar(const QString& dbPath, const QString& sql, const QVariantList& values)
{
    const QList<QVariantList> r = rows(dbPath, sql, values);
    return r.isEmpty() || r.first().isEmpty() ? QVariant() : r.first().first();
}

QByteArray tableDigest(const QString& dbPath, const QString& table)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const QList<QVariantList> all = rows(dbPath, QStringLiteral("Select * From ") + table + QStringLiteral(" Order By 1"));
    for (const QVariantList& row : all) {
        for (const QVariant& v : row) {
            hash.addData(v.isNull() ? QByteArrayLiteral("\x01null") : v.toByteArray());
            hash.addData(QByteArrayLiteral("\x1f"));
        }
        hash.addData(QByteArrayLiteral("\x1e"));
    }
    return hash.result().toHex() + QByteArray("/") + QByteArray::number(all.size());
}

QByteArray importFile(int section, int count, const QString& tag)
{
    QString text = QStringLiteral("Раздел %1. Вопросы для проверки (%2)\r\n").arg(section).arg(tag);
    for (int i = 1; i <= count; ++i) {
        text += QStringLiteral("%1.%2. Вопрос %3 номер %2: как выполняется работа на контактной сети?\r\n").arg(section).arg(i).arg(tag);
        text += QStringLiteral("Отв.1. Первый ответ на вопрос %1\r\nНеверно\r\n").arg(i);
        text += QStringLiteral("Отв.2. Второй ответ на вопрос %1\r\nВерно\r\n").arg(i);
        if (i % 2)
            text += QStringLiteral("Отв.3. Третий ответ на вопрос %1\r\nНеверно\r\n").arg(i);
    }
    // Windows-1251 for the Cyrillic range; the generated text has nothing else outside ASCII.
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80)
            bytes += char(u);
        else if (u >= 0x0410 && u <= 0x044F)
            bytes += char(0xC0 + (u - 0x0410));
        else if (u == 0x0401)
            bytes += char(0xA8);
        else if (u == 0x0451)
            bytes += char(0xB8);
        else
            bytes += '?';
    }
    return bytes;
}

} // namespace Reliability
