#include "core/exam/ExamHints.h"

namespace ExamHints {

namespace {
const QChar Cr = QLatin1Char('\r');
}

QString detailedHint(const QString& question, const QString& answer1, const QString& flag1, const QString& answer2,
                     const QString& flag2, const QString& answer3, const QString& flag3)
{
    const QString rule = QStringLiteral("-----------------------------------");
    return QStringLiteral("Вопрос") + Cr + question + QStringLiteral("Ответ №1") + Cr + answer1 + flag1 + Cr + rule + Cr
           + QStringLiteral("Ответ №2") + Cr + answer2 + flag2 + Cr + rule + Cr + QStringLiteral("Ответ №3") + Cr
           + answer3 + flag3 + Cr + rule + QStringLiteral("  ");
}

} // namespace ExamHints
