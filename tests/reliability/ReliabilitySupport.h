#pragma once
// Driving the real programs as separate processes on copies of the demo data, and looking at
// the database files afterwards with an independent connection.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace Reliability {

// How many rounds the crash loops run: ZORVEK_RELIABILITY_ROUNDS, else `fallback`.
int rounds(int fallback = 10);

QString cliPath();

struct RunResult {
    int exitCode = -1;
    bool crashed = false;   // ended by a signal
    bool timedOut = false;  // killed by the test after `timeoutMs`
    QString out;
    QString err;
};

// Runs zorvek-cli with `args` in `workDir`; kills it after `timeoutMs`.
RunResult runCli(const QStringList& args, const QString& workDir, int timeoutMs = 60000);

// Starts zorvek-cli without waiting (the caller kills or waits).
QProcess* startCli(const QStringList& args, const QString& workDir, QObject* parent);

// "ok" when SQLite's integrity_check finds nothing wrong; the findings otherwise.
QString integrityCheck(const QString& dbPath);
// Rows of a query on a database file, each row as its values.
QList<QVariantList> rows(const QString& dbPath, const QString& sql, const QVariantList& values = {});
QVariant scalar(const QString& dbPath, const QString& sql, const QVariantList& values = {});
// A digest of every row of a table ordered by its first column (to compare whole sections).
QByteArray tableDigest(const QString& dbPath, const QString& table);

// A generated import file of `count` questions for section `section`, Windows-1251.
QByteArray importFile(int section, int count, const QString& tag);

} // namespace Reliability
