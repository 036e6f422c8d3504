#pragma once
// The statements that create, drop and empty the program's tables, written once.
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

namespace Schema {

// Main database tables.
inline const QString Gruppa = QStringLiteral("Группа_по_безопасности");
inline const QString Personal = QStringLiteral("Персонал");
inline const QString Gurnal = QStringLiteral("Журнал");
inline const QString GurnalAll = QStringLiteral("Журнал_All");
inline const QString Criterii = QStringLiteral("Критерии_оценки");
inline const QString Procent = QStringLiteral("Procent");
inline const QString VoprosyToRazdely = QStringLiteral("Количество_вопросов_по_разделам");
inline const QString Dolgnost = QStringLiteral("Должность");
inline const QString Otvety = QStringLiteral("Ответы");
// The stage of the journal row's exam, kept by the program beside Журнал (one row): what the next
// exam start may take up of an exam the program left unfinished.
inline const QString ExamStage = QStringLiteral("Состояние_экзамена");
// Category bank tables.
inline const QString VoprosyOtvety = QStringLiteral("Вопросы_ответы");
inline const QString Vybor = QStringLiteral("Выбор");

// "Create Table Ответы( ..." exactly as the exam creates it.
QString createOtvety();
// The question-table statement with `tableName` in place of the name: Вопросы_ответы and the
// section tables Раздел_1 .. Раздел_9 share it (the exam copies rows by column position).
QString createQuestionTable(const QString& tableName);
inline QString createVoprosyOtvety() { return createQuestionTable(VoprosyOtvety); }

// "Create Table Состояние_экзамена( Стадия ..., Код_работника ...)".
QString createExamStage();

// Columns of a question table, in their binding order.
QStringList questionColumns();
// Columns of Журнал and Журнал_All, in order.
QStringList journalColumns();

// A table and the statement that creates it.
struct TableStatement
{
    QString table;
    QString statement;
};
// Every table of a main database / a category bank, in creation order.
QList<TableStatement> mainDatabaseTables();
QList<TableStatement> bankTables();
// Their statements alone (demo data, tests).
QStringList mainDatabaseStatements();
QStringList bankStatements();

// The working tables of one exam: Журнал, Ответы, Вопросы_ответы, Выбор. On the shared server they
// belong to the station that runs the exam.
bool isWorkingTable(const QString& table);
// Every table name the program knows, in the program's spelling.
QStringList programTableNames();

// Drops `table` when the database lists it (exact name), then runs `createStatement`. On the
// server the table is made in the schema it belongs to (a working table in the station's schema,
// any other in the connection's home schema), inside the caller's transaction or one of its own.
void recreateTable(const QSqlDatabase& db, const QString& table, const QString& createStatement);
// Runs `createStatement` only when the database does not list `table` yet (on the server: where
// the table belongs, as recreateTable places it).
void ensureTable(const QSqlDatabase& db, const QString& table, const QString& createStatement);

} // namespace Schema
