#include "data/Schema.h"

#include "data/Db.h"

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

QStringList mainDatabaseStatements()
{
    QString criterii = QStringLiteral("Create Table ") + Criterii
                       + QStringLiteral("( Индекс Int Not Null Primary Key, Категория_специалиста VarChar(255), "
                                        "Кол_вопросов SmallInt");
    for (int s = 1; s <= 9; ++s)
        criterii += QStringLiteral(", По_разделу_%1 SmallInt").arg(s);
    criterii += QStringLiteral(", Отлично SmallInt, Хорошо SmallInt, Удовлетворительно SmallInt, "
                               "Неудовлетворительно SmallInt)");
    return {
        QStringLiteral("Create Table ") + Gruppa
            + QStringLiteral("( Порядковый_номер Int Not Null Primary Key, Название_группы VarChar(120))"),
        QStringLiteral("Create Table ") + Personal
            + QStringLiteral("( Код Int Not Null Primary Key, Фамилия_Имя_Отчество VarChar(100), "
                             "Линейное_подразделение VarChar(100), Должность VarChar(50), Стаж VarChar(50), "
                             "Группа_по_электробезопасности VarChar(50), Дата_сдачи_экзамена VarChar(19), "
                             "Дата_следующей_сдачи_экзамена VarChar(19), Система_тока VarChar(50), "
                             "Категория_специалиста VarChar(100))"),
        createJournal(Gurnal),
        createJournal(GurnalAll),
        criterii,
        QStringLiteral("Create Table ") + Procent
            + QStringLiteral("( Индекс Int Not Null Primary Key, Оценка VarChar(20), Допуск Double Precision)"),
        QStringLiteral("Create Table ") + VoprosyToRazdely
            + QStringLiteral("( Индекс Int identity, Категория_специалиста VarChar(200), "
                             "Название_раздела VarChar(50), Количество_вопросов Int)"),
        QStringLiteral("Create Table ") + Dolgnost
            + QStringLiteral("( Индекс Int identity, Название_должности VarChar(50))"),
        createOtvety(),
        createExamStage(),
    };
}

QStringList bankStatements()
{
    QStringList list;
    for (int s = 1; s <= 9; ++s)
        list << createQuestionTable(QStringLiteral("Раздел_") + QString::number(s));
    list << QStringLiteral("Create Table ") + Vybor + QStringLiteral("( Индекс Int)");
    list << createVoprosyOtvety();
    return list;
}

void recreateTable(const QSqlDatabase& db, const QString& table, const QString& createStatement)
{
    if (Db::hasTable(db, table))
        Db::exec(db, QStringLiteral("DROP TABLE ") + table);
    Db::exec(db, createStatement);
}

void ensureTable(const QSqlDatabase& db, const QString& table, const QString& createStatement)
{
    if (!Db::hasTable(db, table))
        Db::exec(db, createStatement);
}

} // namespace Schema
