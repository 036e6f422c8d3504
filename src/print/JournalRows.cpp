#include "print/JournalRows.h"

#include "core/Dates.h"
#include "data/Db.h"
#include "data/Schema.h"
#include "data/SqlDialect.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace JournalRows {

namespace {

int digits(const QString& s, qsizetype from, qsizetype count)
{
    int value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        const char16_t c = s.at(i).unicode();
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// "yyyy-MM-dd" or "yyyy-MM-ddT00:00:00": the date; anything else: invalid (the slow path decides).
QDate midnightDate(const QString& s)
{
    if (s.size() != 10 && !(s.size() == 19 && s.endsWith(QLatin1String("T00:00:00"))))
        return QDate();
    if (s.at(4) != QLatin1Char('-') || s.at(7) != QLatin1Char('-'))
        return QDate();
    const int y = digits(s, 0, 4), m = digits(s, 5, 2), d = digits(s, 8, 2);
    return (y < 0 || m < 0 || d < 0 || !QDate::isValid(y, m, d)) ? QDate() : QDate(y, m, d);
}

QDate dayOf(const QVariant& stored)
{
    if (stored.metaType().id() == QMetaType::QString) {
        const QDate fast = midnightDate(stored.toString());
        if (fast.isValid())
            return fast;
    }
    const QDateTime dt = Dates::fromStorage(stored);
    return dt.isValid() && dt.time() == QTime(0, 0) ? dt.date() : QDate();
}

} // namespace

QString dateText(const QVariant& stored)
{
    // The stored forms at midnight are rearranged as they are ("yyyy-MM-dd" -> "dd.MM.yyyy"):
    // formatting through QDate costs more than the whole rest of reading a row.
    if (stored.metaType().id() == QMetaType::QString) {
        const QString s = stored.toString();
        if (midnightDate(s).isValid()) {
            const QChar text[10] = {s[8], s[9], QLatin1Char('.'), s[5], s[6], QLatin1Char('.'), s[0], s[1],
                                    s[2], s[3]};
            return QString(text, 10);
        }
    }
    const QString text = Dates::storageToText(stored);
    // A value that is no date the program can read is printed as it is stored, not dropped.
    return text.isEmpty() && !stored.isNull() ? stored.toString() : text;
}

std::vector<Row> read(const QSqlDatabase& db, Fields fields)
{
    const bool protocol = fields == Fields::Protocol;
    QString sql =
        protocol ? QStringLiteral("SELECT ФИО, Должность, Наименование_подразделения, "
                                  "Результат_проверки_знаний, Причина_проверки_знаний, Дата_проверки FROM ")
                 : QStringLiteral("SELECT ФИО, Дата_предыдущей_проверки, Дата_проверки, "
                                  "Дата_следующей_проверки FROM ");
    sql += Schema::GurnalAll;
    // The table's order is the order the rows were appended in.
    if (SqlDialect::engineOf(db) == SqlDialect::Engine::Sqlite)
        sql += QStringLiteral(" ORDER BY rowid");
    QSqlQuery q = Db::exec(db, sql);
    std::vector<Row> rows;
    while (q.next()) {
        Row r;
        r.fio = q.value(0).toString();
        if (protocol) {
            r.dolgnost = q.value(1).toString();
            r.podrazdelenie = q.value(2).toString();
            r.rezultat = q.value(3).toString();
            r.prichina = q.value(4).toString();
            const QVariant date = q.value(5);
            r.date = dateText(date);
            r.checkDay = dayOf(date);
        } else {
            r.datePrev = dateText(q.value(1));
            r.date = dateText(q.value(2));
            r.dateNext = dateText(q.value(3));
        }
        rows.push_back(std::move(r));
    }
    return rows;
}

} // namespace JournalRows
