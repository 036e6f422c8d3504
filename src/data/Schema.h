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

// Statements that create every table of a main database / a category bank (demo data, tests).
QStringList mainDatabaseStatements();
QStringList bankStatements();

// Drops `table` when the database lists it (exact name), then runs `createStatement`.
void recreateTable(const QSqlDatabase& db, const QString& table, const QString& createStatement);
// Runs `createStatement` only when the database does not list `table` yet.
void ensureTable(const QSqlDatabase& db, const QString& table, const QString& createStatement);

} // namespace Schema
