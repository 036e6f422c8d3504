#include "data/DbError.h"

DbError DbError::fromSqlError(const QSqlError& error, const QString& context)
{
    QString text = error.databaseText().trimmed();
    const QString driverText = error.driverText().trimmed();
    if (text.isEmpty())
        text = driverText;
    else if (!driverText.isEmpty() && !text.contains(driverText))
        text = driverText + QStringLiteral(": ") + text;
    if (text.isEmpty())
        text = QStringLiteral("Неизвестная ошибка базы данных");

    // SQLite reports a database held by another writer as "database is locked" (SQLITE_BUSY, 5).
    const QString code = error.nativeErrorCode();
    const bool busy = code == QLatin1String("5") || code == QLatin1String("6")
                      || text.contains(QLatin1String("database is locked"))
                      || text.contains(QLatin1String("database table is locked"));
    if (busy)
        text = QStringLiteral("База данных занята другой программой; операция не выполнена, данные не изменены.\r")
               + text;
    else if (code == QLatin1String("13") || text.contains(QLatin1String("database or disk is full")))
        text = QStringLiteral("Недостаточно места на диске; операция не выполнена, изменения отменены.\r") + text;
    else if (code == QLatin1String("8") || text.contains(QLatin1String("readonly database")))
        text = QStringLiteral("Нет права записи в файл базы данных; изменения не сохранены.\r") + text;
    if (!context.isEmpty())
        text += QLatin1Char('\r') + context;
    return DbError(text, busy);
}
