#include "core/RussianPlural.h"

namespace RussianPlural {

const QString& form(qint64 n, const QString& one, const QString& few, const QString& many)
{
    const qint64 a = n < 0 ? -n : n;
    const qint64 lastTwo = a % 100;
    const qint64 last = a % 10;
    if (lastTwo >= 11 && lastTwo <= 14)
        return many;
    if (last == 1)
        return one;
    if (last >= 2 && last <= 4)
        return few;
    return many;
}

QString count(qint64 n, const QString& one, const QString& few, const QString& many)
{
    return QString::number(n) + QLatin1Char(' ') + form(n, one, few, many);
}

QString questions(qint64 n)
{
    static const QString one = QStringLiteral("вопрос"), few = QStringLiteral("вопроса"),
                         many = QStringLiteral("вопросов");
    return count(n, one, few, many);
}

QString pictures(qint64 n)
{
    static const QString one = QStringLiteral("рисунок"), few = QStringLiteral("рисунка"),
                         many = QStringLiteral("рисунков");
    return count(n, one, few, many);
}

QString categories(qint64 n)
{
    static const QString one = QStringLiteral("категория"), few = QStringLiteral("категории"),
                         many = QStringLiteral("категорий");
    return count(n, one, few, many);
}

} // namespace RussianPlural
