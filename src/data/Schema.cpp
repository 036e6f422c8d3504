#include "data/Schema.h"

#include "data/Db.h"

#include <functional>
#include <optional>

namespace Schema {

QString createOtvety()
{
    return QStringLiteral("Create Table ") + Otvety + QStringLiteral("( ")
           + QStringLiteral("Индекс              Int       identity,  ")
           + QStringLiteral("Номер_вопроса       SmallInt,            ")
           + QStringLiteral("Вопрос              Text      Not Null,  ")
           + QStringLiteral("Фото                Image,               ")
           + QStringLiteral("Ответ_экзаменуемого Text      Not Null,  ")
           + QStringLiteral("Верно_Неверно       Char(250) Not Null,  ")
           + QStringLiteral("Оценка              SmallInt)");
}

QString createQuestionTable(const QString& tableName)
{
    return QStringLiteral("Create Table ") + tableName + QStringLiteral("( ")
           + QStringLiteral("Индекс             Int     identity,  ")
           + QStringLiteral("Вопрос             Text     Not Null, ")
           + QStringLiteral("Фото               Image,             ")
           + QStringLiteral("Ответ_1            Text      Not Null,")
           + QStringLiteral("Верно_Неверно_1    Char(250) Not Null,")
           + QStringLiteral("Ответ_2            Text      Not Null,")
           + QStringLiteral("Верно_Неверно_2    Char(250) Not Null,")
           + QStringLiteral("Ответ_3            Text,              ")
           + QStringLiteral("Верно_Неверно_3    Char(250),         ")
           + QStringLiteral("Количество_ответов SmallInt)");
}

QString createExamStage()
{
    return QStringLiteral("Create Table ") + ExamStage
           + QStringLiteral("( Стадия VarChar(20) Not Null, Код_работника Int)");
}

QStringList questionColumns()
{
    return {QStringLiteral("Индекс"),          QStringLiteral("Вопрос"),          QStringLiteral("Фото"),
            QStringLiteral("Ответ_1"),         QStringLiteral("Верно_Неверно_1"), QStringLiteral("Ответ_2"),
            QStringLiteral("Верно_Неверно_2"), QStringLiteral("Ответ_3"),         QStringLiteral("Верно_Неверно_3"),
            QStringLiteral("Количество_ответов")};
}

QStringList journalColumns()
{
    return {QStringLiteral("ФИО"),
            QStringLiteral("Должность"),
            QStringLiteral("Стаж_работы_в_должности"),
            QStringLiteral("Дата_предыдущей_проверки"),
            QStringLiteral("Дата_проверки"),
            QStringLiteral("Дата_следующей_проверки"),
            QStringLiteral("Наименование_подразделения"),
            QStringLiteral("Результат_проверки_знаний"),
            QStringLiteral("Причина_проверки_знаний"),
            QStringLiteral("Оценка"),
            QStringLiteral("Количество_вопросов"),
            QStringLiteral("Количество_верных_ответов"),
            QStringLiteral("Количество_неверных_ответов"),
            QStringLiteral("Категория_специалиста"),
            QStringLiteral("Система_тока")};
}

namespace {

// Журнал and Журнал_All must have the same columns in the same order
// ("Insert InTo Журнал_All Select * From Журнал").
QString createJournal(const QString& name)
{
    return QStringLiteral("Create Table ") + name
           + QStringLiteral("( ФИО VarChar(255), Должность VarChar(255), Стаж_работы_в_должности VarChar(50), "
                            "Дата_предыдущей_проверки VarChar(19), Дата_проверки VarChar(19), "
                            "Дата_следующей_проверки VarChar(19), Наименование_подразделения VarChar(255), "
                            "Результат_проверки_знаний VarChar(255), Причина_проверки_знаний VarChar(255), "
                            "Оценка VarChar(50), Количество_вопросов Int, Количество_верных_ответов Int, "
                            "Количество_неверных_ответов Int, Категория_специалиста VarChar(255), "
                            "Система_тока VarChar(50))");
}

} // namespace

QList<TableStatement> mainDatabaseTables()
{
    QString criterii = QStringLiteral("Create Table ") + Criterii
                       + QStringLiteral("( Индекс Int Not Null Primary Key, Категория_специалиста VarChar(255), "
                                        "Кол_вопросов SmallInt");
    for (int s = 1; s <= 9; ++s)
        criterii += QStringLiteral(", По_разделу_%1 SmallInt").arg(s);
    criterii += QStringLiteral(", Отлично SmallInt, Хорошо SmallInt, Удовлетворительно SmallInt, "
                               "Неудовлетворительно SmallInt)");
    return {
        {Gruppa, QStringLiteral("Create Table ") + Gruppa
                     + QStringLiteral("( Порядковый_номер Int Not Null Primary Key, Название_группы VarChar(120))")},
        {Personal, QStringLiteral("Create Table ") + Personal
            + QStringLiteral("( Код Int Not Null Primary Key, Фамилия_Имя_Отчество VarChar(100), "
                             "Линейное_подразделение VarChar(100), Должность VarChar(50), Стаж VarChar(50), "
                             "Группа_по_электробезопасности VarChar(50), Дата_сдачи_экзамена VarChar(19), "
                             "Дата_следующей_сдачи_экзамена VarChar(19), Система_тока VarChar(50), "
                             "Категория_специалиста VarChar(100))")},
        {Gurnal, createJournal(Gurnal)},
        {GurnalAll, createJournal(GurnalAll)},
        {Criterii, criterii},
        {Procent, QStringLiteral("Create Table ") + Procent
                      + QStringLiteral("( Индекс Int Not Null Primary Key, Оценка VarChar(20), Допуск Double Precision)")},
        {VoprosyToRazdely, QStringLiteral("Create Table ") + VoprosyToRazdely
                               + QStringLiteral("( Индекс Int identity, Категория_специалиста VarChar(200), "
                                                "Название_раздела VarChar(50), Количество_вопросов Int)")},
        {Dolgnost, QStringLiteral("Create Table ") + Dolgnost
                       + QStringLiteral("( Индекс Int identity, Название_должности VarChar(50))")},
        {Otvety, createOtvety()},
        {ExamStage, createExamStage()},
    };
}

QList<TableStatement> bankTables()
{
    QList<TableStatement> list;
    for (int s = 1; s <= 9; ++s) {
        const QString name = QStringLiteral("Раздел_") + QString::number(s);
        list.append({name, createQuestionTable(name)});
    }
    list.append({Vybor, QStringLiteral("Create Table ") + Vybor + QStringLiteral("( Индекс Int)")});
    list.append({VoprosyOtvety, createVoprosyOtvety()});
    return list;
}

namespace {
QStringList statementsOf(const QList<TableStatement>& tables)
{
    QStringList list;
    for (const TableStatement& t : tables)
        list << t.statement;
    return list;
}
} // namespace

QStringList mainDatabaseStatements()
{
    return statementsOf(mainDatabaseTables());
}

QStringList bankStatements()
{
    return statementsOf(bankTables());
}

bool isWorkingTable(const QString& table)
{
    return table == Gurnal || table == Otvety || table == ExamStage || table == VoprosyOtvety || table == Vybor;
}

QStringList programTableNames()
{
    QStringList names;
    for (const TableStatement& t : mainDatabaseTables())
        names << t.table;
    for (const TableStatement& t : bankTables())
        names << t.table;
    return names;
}

namespace {

// Runs `statements` where `table` belongs: on the server in the station's schema for a working
// table and in the connection's home schema for any other, as the schema's owner role, inside
// the caller's transaction or one of its own.
void inPlaceOf(const QSqlDatabase& db, const QString& table, const std::function<void()>& statements)
{
    if (SqlDialect::engineOf(db) != SqlDialect::Engine::Postgres) {
        statements();
        return;
    }
    const Db::ServerPlacement p = Db::serverPlacement(db);
    const QString schema = isWorkingTable(table) ? p.stationSchema : p.homeSchema;
    std::optional<Db::Transaction> own;
    if (!Db::inTransaction(db))
        own.emplace(db);
    {
        std::optional<Db::ServerSchemaScope> scope;
        if (!schema.isEmpty())
            scope.emplace(db, schema);
        statements();
    }
    if (own)
        own->commit();
}

} // namespace

void recreateTable(const QSqlDatabase& db, const QString& table, const QString& createStatement)
{
    inPlaceOf(db, table, [&] {
        if (Db::hasTable(db, table))
            Db::exec(db, QStringLiteral("DROP TABLE ") + table);
        Db::exec(db, createStatement);
    });
}

void ensureTable(const QSqlDatabase& db, const QString& table, const QString& createStatement)
{
    inPlaceOf(db, table, [&] {
        if (!Db::hasTable(db, table))
            Db::exec(db, createStatement);
    });
}

} // namespace Schema
