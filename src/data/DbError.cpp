#include "data/DbError.h"

namespace {

// The server's SQLSTATE codes (five characters; SQLite's codes are numbers).
bool isServerBusy(const QString& code)
{
    return code == QLatin1String("55P03") || code == QLatin1String("40P01") || code == QLatin1String("40001");
}

QString serverMessageFor(const QString& code, const QString& text)
{
    if (code == QLatin1String("42501"))
        return QStringLiteral("Сервер отказал: у вашей учётной записи нет права на это действие. Ничего не изменено; "
                              "права даёт администратор сервера.");
    if (isServerBusy(code))
        return QStringLiteral("Данные заняты другой станцией; операция не выполнена, данные не изменены. "
                              "Повторите её немного позже.");
    if (code == QLatin1String("53100"))
        return QStringLiteral("На сервере недостаточно места на диске; операция не выполнена, изменения отменены.");
    if (code == QLatin1String("25006"))
        return QStringLiteral("Сервер открыт только для чтения; изменения не сохранены.");
    if (code.startsWith(QLatin1String("08")) || code == QLatin1String("57P01") || code == QLatin1String("57P02")
        || code == QLatin1String("57P03") || text.contains(QLatin1String("server closed the connection"))
        || text.contains(QLatin1String("no connection to the server")))
        return QStringLiteral("Нет связи с сервером базы данных; операция не выполнена.");
    return QString();
}

} // namespace

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
    const QString serverMessage = serverMessageFor(code, text);
    if (!serverMessage.isEmpty()) {
        text = serverMessage + QLatin1Char('\r') + text;
        if (!context.isEmpty())
            text += QLatin1Char('\r') + context;
        return DbError(text, isServerBusy(code));
    }
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
