#pragma once
// The detailed results' hint text: a question with all its answers and their flags (the exam
// window's own hint is QuestionHint::text). Lines are separated by a single
// carriage return, as the program stores multi-line texts.
#include <QString>

namespace ExamHints {

// The detailed results' hint: each answer followed by its flag (rules of 35 hyphens).
QString detailedHint(const QString& question, const QString& answer1, const QString& flag1, const QString& answer2,
                     const QString& flag2, const QString& answer3, const QString& flag3);

} // namespace ExamHints
