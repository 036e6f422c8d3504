#pragma once
// The hint texts that show a question with all its answers. Lines are separated by a single
// carriage return, as the program stores multi-line texts.
#include <QString>

namespace ExamHints {

// The exam window's hint over the question box (rules of 16 hyphens).
QString questionHint(const QString& question, const QString& answer1, const QString& answer2, const QString& answer3);

// The detailed results' hint: each answer followed by its flag (rules of 35 hyphens).
QString detailedHint(const QString& question, const QString& answer1, const QString& flag1, const QString& answer2,
                     const QString& flag2, const QString& answer3, const QString& flag3);

} // namespace ExamHints
