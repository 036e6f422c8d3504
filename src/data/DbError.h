#pragma once
// An error of the database engine, carrying the engine's text.
#include "core/Error.h"

#include <QSqlError>

class DbError : public zorvek::Error
{
public:
    explicit DbError(QString message, bool busy = false) : zorvek::Error(std::move(message)), m_busy(busy) {}

    // The engine's text of a failed operation; `context` (the statement or the file) is added
    // on a line of its own when given. A locked database becomes a clear "busy" message.
    static DbError fromSqlError(const QSqlError& error, const QString& context = QString());

    // Another program holds the database: the write was refused, nothing changed.
    bool isBusy() const noexcept { return m_busy; }

private:
    bool m_busy = false;
};
