#include "staff/StaffImport.h"

#include "core/Error.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/TfrmADODataModule.h"

#include <QSqlQuery>

namespace StaffImport {

StaffRules::Context context(TfrmADODataModule& dm)
{
    const QSqlDatabase& db = dm.ADOConnectionGlb;
    StaffRules::Context c;
    const QStringList columns = Db::columnNames(db, Schema::Personal);
    if (columns.isEmpty())
        throw zorvek::Error(QStringLiteral("В основной базе данных нет таблицы «%1».").arg(Schema::Personal));
    for (const QString& name : columns)
        c.columns << StaffRules::Column{name, dm.ADOPersonal->fieldCaption(name)};
    c.categories = dm.categoryNames();
    QSqlQuery q = Db::exec(db, QStringLiteral("Select Код, Фамилия_Имя_Отчество From ") + Schema::Personal);
    while (q.next())
        c.staff << StaffRules::Worker{q.value(0).toInt(), q.value(1).toString()};
    return c;
}

Prepared prepare(TfrmADODataModule& dm, const QString& path)
{
    Prepared p;
    p.path = path;
    p.contents = StaffFile::read(path);
    p.plan = StaffRules::plan(p.contents.table, context(dm));
    return p;
}

Result store(TfrmADODataModule& dm, const StaffRules::Plan& plan)
{
    if (!plan.acceptable())
        throw zorvek::Error(QStringLiteral("Список персонала не загружен: в нём есть отклонённые строки."));
    const QSqlDatabase& db = dm.ADOConnectionGlb;
    Result result;
    Db::Transaction tx(db);
    for (const StaffRules::Row& row : plan.rows) {
        // Column names come from the table itself (the plan knows only its columns); values are bound.
        QStringList columns;
        QVariantList values;
        for (auto it = row.values.cbegin(); it != row.values.cend(); ++it) {
            columns << it.key();
            values << it.value();
        }
        const auto where = [&] { return QStringLiteral("строка %1 («%2»): ").arg(row.number).arg(row.name); };
        try {
            if (row.action == StaffRules::Action::Add) {
                columns.prepend(StaffRules::CodeColumn);
                values.prepend(row.code);
                QStringList marks;
                for (qsizetype i = 0; i < columns.size(); ++i)
                    marks << QStringLiteral("?");
                Db::exec(db, QStringLiteral("Insert Into ") + Schema::Personal + QStringLiteral(" (") +
                                 columns.join(QStringLiteral(", ")) + QStringLiteral(") Values (") +
                                 marks.join(QStringLiteral(", ")) + QStringLiteral(")"),
                         values);
                ++result.added;
            } else {
                if (row.newCode) {
                    columns << StaffRules::CodeColumn;
                    values << row.newCode;
                }
                values << row.code;
                Db::exec(db, QStringLiteral("Update ") + Schema::Personal + QStringLiteral(" Set ") +
                                 columns.join(QStringLiteral(" = ?, ")) + QStringLiteral(" = ? Where Код = ?"),
                         values);
                ++result.updated;
            }
        } catch (const zorvek::Error& e) {
            throw zorvek::Error(QStringLiteral("Список персонала не загружен, ничего не записано: ") + where() +
                                e.message());
        }
    }
    tx.commit();
    return result;
}

QString summary(const Result& result)
{
    return QStringLiteral("Добавлено работников: %1, обновлено: %2.").arg(result.added).arg(result.updated);
}

} // namespace StaffImport
