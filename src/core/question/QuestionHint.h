#pragma once
// The hint that the exam, self-training and viewer windows show over the question box: the
// question and its three answers, each followed by a rule of 16 hyphens. Line breaks are a single
// carriage return, the program's stored form.
#include <QString>

namespace QuestionHint {

inline const QString Rule = QStringLiteral("----------------");

// "Вопрос" CR question Rule CR "Ответ №1." CR answer1 Rule CR ... "Ответ №3." CR answer3 Rule CR.
// The texts are taken as given (an absent third answer is an empty text).
QString text(const QString& question, const QString& answer1, const QString& answer2, const QString& answer3);

} // namespace QuestionHint
