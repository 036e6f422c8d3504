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

bool examCountsRight(const QString& flag)
{
    return flag.startsWith(QStringLiteral("ве")) || flag.startsWith(QStringLiteral("Ве"));
}

bool readersAgree(const QString& flag)
{
    return examCountsRight(flag) == (classify(flag) == Verdict::Right);
}

bool isStandard(const QString& flag)
{
    qsizetype end = flag.size();
    while (end > 0 && flag.at(end - 1) == QLatin1Char(' '))
        --end;
    const QStringView f = QStringView(flag).first(end);
    return f == QStringLiteral("Верно") || f == QStringLiteral("Неверно");
}

QString readings(const QString& flag)
{
    const QString exam = examCountsRight(flag) ? QStringLiteral("верным") : QStringLiteral("неверным");
    QString training;
    switch (classify(flag)) {
    case Verdict::Right:
        training = QStringLiteral("верным");
        break;
    case Verdict::Wrong:
        training = QStringLiteral("неверным");
        break;
    case Verdict::Incomplete:
        training = QStringLiteral("неверным как неполный");
        break;
    }
    return QStringLiteral("экзамен считает ответ %1, самоподготовка показывает его %2").arg(exam, training);
}

QString savingProblem(int answer, const QString& text, const QString& flag)
{
    if (answer == 3 && trimmed(text).isEmpty())
        return QString();
    const QString choose = QStringLiteral(" Выберите в списке «Верно» или «Неверно».");
    if (trimmed(flag).isEmpty())
        return QStringLiteral("У ответа №%1 нет отметки верности.").arg(answer) + choose;
    if (!readersAgree(flag))
        return QStringLiteral("Отметка ответа №%1 «%2» читается по-разному: %3.")
                   .arg(QString::number(answer), trimmed(flag), readings(flag)) +
               choose;
    return QString();
}

} // namespace AnswerFlag
