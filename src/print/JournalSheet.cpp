#include "print/JournalSheet.h"

#include "core/Dates.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"
#include "sheets/XlsxWriter.h"

#include <QSqlQuery>
#include <algorithm>

namespace JournalSheet {

namespace {

bool isCountColumn(const QString& column)
{
    return column.startsWith(QStringLiteral("Количество_"));
}

// Wide enough for the column's values, and for its title where the values are short.
double widthOf(const QString& column)
{
    if (column == QLatin1String("ФИО") || column == QLatin1String("Категория_специалиста"))
        return 36;
    const double values = Dates::isDateColumn(column) ? 12 : isCountColumn(column) ? 8 : 20;
    return std::max(values, std::min(30.0, double(column.size()) + 2));
}

} // namespace

int write(const QSqlDatabase& db, const QString& path)
{
    const QStringList columns = Schema::journalColumns();
    QString sql = QStringLiteral("SELECT ") + columns.join(QStringLiteral(", ")) + QStringLiteral(" FROM ") +
                  Schema::GurnalAll;
    // The table's order is the order the rows were appended in.
    if (SqlDialect::engineOf(db) == SqlDialect::Engine::Sqlite)
        sql += QStringLiteral(" ORDER BY rowid");
    QSqlQuery q = Db::exec(db, sql);

    XlsxWriter::Sheet sheet(path, Schema::GurnalAll);
    for (int c = 0; c < columns.size(); ++c) {
        sheet.header(c, columns.at(c));
        sheet.setColumnWidth(c, widthOf(columns.at(c)));
    }
    int row = 0;
    while (q.next()) {
        ++row;
        for (int c = 0; c < columns.size(); ++c) {
            const QVariant value = q.value(c);
            if (value.isNull())
                continue;
            const QString& column = columns.at(c);
            if (Dates::isDateColumn(column)) {
                const QDateTime moment = Dates::fromStorage(value);
                if (!moment.isValid())
                    sheet.text(row, c, value.toString());
                else if (moment.time() == QTime(0, 0))
                    sheet.date(row, c, moment.date());
                else
                    sheet.dateTime(row, c, moment);
                continue;
            }
            bool numeric = false;
            const double number = value.toDouble(&numeric);
            if (isCountColumn(column) && numeric)
                sheet.number(row, c, number);
            else
                sheet.text(row, c, value.toString());
        }
    }
    q.finish();
    sheet.finish(row, int(columns.size()));
    return row;
}

} // namespace JournalSheet
