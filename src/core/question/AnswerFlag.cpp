#include "core/question/AnswerFlag.h"

namespace AnswerFlag {

namespace {
bool isBlank(QChar c)
{
    return c.unicode() <= 32;
}
} // namespace

QString trimmed(const QString& flag)
{
    qsizetype begin = 0;
    qsizetype end = flag.size();
    while (begin < end && isBlank(flag.at(begin)))
        ++begin;
    while (end > begin && isBlank(flag.at(end - 1)))
        --end;
    return flag.mid(begin, end - begin);
}

QString prefix(const QString& flag)
{
    return trimmed(flag).left(2);
}

Verdict classify(const QString& flag)
{
    const QString first = prefix(flag);
    if (first != QStringLiteral("Не") && first != QStringLiteral("не"))
        return Verdict::Right;
    if (flag.contains(QStringLiteral("неполный"), Qt::CaseSensitive))
        return Verdict::Incomplete;
    return Verdict::Wrong;
}

QString mark(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Right:
        return QStringLiteral("✔ верно");
    case Verdict::Wrong:
        return QStringLiteral("✘ неверно");
    case Verdict::Incomplete:
        return QStringLiteral("◐ неполный ответ");
    }
    return QString();
}

} // namespace AnswerFlag
