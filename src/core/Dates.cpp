#include "core/Dates.h"

#include <QRegularExpression>

namespace Dates {

QString toText(const QDate& date)
{
    return date.isValid() ? date.toString(QLatin1String(DisplayDateFormat)) : QString();
}

QString toText(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return QString();
    QString text = toText(dateTime.date());
    if (dateTime.time() != QTime(0, 0))
        text += QLatin1Char(' ') + dateTime.time().toString(QLatin1String(DisplayTimeFormat));
    return text;
}

QDate fromText(const QString& text)
{
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,2})\\.(\\d{1,2})\\.(\\d{4})(?:\\s+\\d{1,2}:\\d{2}(?::\\d{2})?)?\\s*$"));
    const auto m = re.match(text);
    if (!m.hasMatch())
        return QDate();
    return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
}

QVariant toStorage(const QDate& date)
{
    if (!date.isValid())
        return QVariant(QMetaType::fromType<QString>());
    return date.toString(QLatin1String(StorageDateFormat));
}

QVariant toStorage(const QDateTime& dateTime)
{
    if (!dateTime.isValid())
        return QVariant(QMetaType::fromType<QString>());
    return dateTime.toString(QLatin1String(StorageDateTimeFormat));
}

QDateTime fromStorage(const QVariant& value)
{
    if (value.isNull() || !value.isValid())
        return QDateTime();
    switch (value.metaType().id()) {
    case QMetaType::QDate:
        return QDateTime(value.toDate(), QTime(0, 0));
    case QMetaType::QDateTime:
        return value.toDateTime();
    default:
        break;
    }
    const QString text = value.toString().trimmed();
    if (text.isEmpty())
        return QDateTime();
    if (text.size() == 10) {
        const QDate d = QDate::fromString(text, QLatin1String(StorageDateFormat));
        return d.isValid() ? QDateTime(d, QTime(0, 0)) : QDateTime();
    }
    QDateTime dt = QDateTime::fromString(text.left(19), QLatin1String(StorageDateTimeFormat));
    if (!dt.isValid())
        dt = QDateTime::fromString(text.left(19), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    return dt;
}

QString storageToText(const QVariant& value)
{
    return toText(fromStorage(value));
}

QVariant textToStorage(const QString& text, bool* ok)
{
    if (ok)
        *ok = true;
    if (text.trimmed().isEmpty())
        return QVariant(QMetaType::fromType<QString>());
    const QDate d = fromText(text);
    if (!d.isValid()) {
        if (ok)
            *ok = false;
        return QVariant(QMetaType::fromType<QString>());
    }
    return toStorage(d);
}

QDate addMonths(const QDate& date, int months)
{
    // QDate::addMonths keeps the day and clamps it to the end of the resulting month.
    return date.addMonths(months);
}

bool isDateColumn(const QString& columnName)
{
    return columnName.startsWith(QStringLiteral("Дата"));
}

} // namespace Dates
