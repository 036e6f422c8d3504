#include "core/question/QuestionHint.h"

namespace QuestionHint {

QString text(const QString& question, const QString& answer1, const QString& answer2, const QString& answer3)
{
    const QChar cr(13);
    QString hint = QStringLiteral("Вопрос") + cr + question + Rule + cr;
    const QString answers[] = {answer1, answer2, answer3};
    for (int k = 0; k < 3; ++k)
        hint += QStringLiteral("Ответ №%1.").arg(k + 1) + cr + answers[k] + Rule + cr;
    return hint;
}

} // namespace QuestionHint
