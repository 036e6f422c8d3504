#pragma once
// Shared steps of the exam tests on a demo data folder.
#include "core/Global.h"
#include "data/Db.h"
#include "data/TfrmADODataModule.h"

#include <QList>
#include <QSqlRecord>
#include <QVariantList>

namespace ExamTest {

inline const QString Dispatchers = QStringLiteral("Энергодиспетчеры");   // position 1, 20 questions

// Sets a category's Кол_вопросов and its nine quotas.
inline void setCriteria(TfrmADODataModule& dm, const QString& category, const QList<int>& quotas, int count = -1)
{
    int sum = 0;
    QVariantList values;
    for (int q : quotas) {
        values << q;
        sum += q;
    }
    values.prepend(count < 0 ? sum : count);
    values << category;
    Db::exec(dm.ADOConnectionGlb,
             QStringLiteral("Update Критерии_оценки Set Кол_вопросов = ?, По_разделу_1 = ?, По_разделу_2 = ?, "
                            "По_разделу_3 = ?, По_разделу_4 = ?, По_разделу_5 = ?, По_разделу_6 = ?, По_разделу_7 = ?, "
                            "По_разделу_8 = ?, По_разделу_9 = ? Where Категория_специалиста = ?"),
             values);
}

inline int count(const QSqlDatabase& db, const QString& table)
{
    return Db::scalar(db, QStringLiteral("Select Count(*) From ") + table).toInt();
}

// Every row of a query as lists of values.
inline QList<QVariantList> rows(const QSqlDatabase& db, const QString& sql, const QVariantList& values = {})
{
    QSqlQuery q = Db::exec(db, sql, values);
    QList<QVariantList> out;
    while (q.next()) {
        QVariantList r;
        for (int i = 0; i < q.record().count(); ++i)
            r << q.value(i);
        out << r;
    }
    return out;
}

// Picks the row added last to Журнал_All: by SQLite's row number, or by the server's row address
// (rows of the journal are never changed, so the last address is the last row added).
inline QString lastJournalRowCondition(const QSqlDatabase& db)
{
    return SqlDialect::engineOf(db) == SqlDialect::Engine::Postgres
               ? QStringLiteral("ctid = (Select Max(ctid) From Журнал_All)")
               : QStringLiteral("rowid = (Select Max(rowid) From Журнал_All)");
}

// The row added last to Журнал_All (both engines read a table in the order its rows were added).
inline QList<QVariantList> lastJournalRow(const QSqlDatabase& db)
{
    const QList<QVariantList> all = rows(db, QStringLiteral("Select * From Журнал_All"));
    return all.isEmpty() ? all : all.mid(all.size() - 1);
}

} // namespace ExamTest
