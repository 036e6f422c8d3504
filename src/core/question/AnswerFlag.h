#pragma once
// How the self-training window reads an answer's flag (Верно_Неверно_k). Flag columns are
// fixed-width and filled by hand or by the import, so no reader compares them for equality.
#include <QString>

namespace AnswerFlag {

enum class Verdict { Right, Wrong, Incomplete };

// The flag with blanks and control characters (codes up to 32) removed at both ends.
QString trimmed(const QString& flag);

// The first two characters of the trimmed flag (fewer when it is shorter).
QString prefix(const QString& flag);

// "Не" or "не" at the start of the trimmed flag marks a wrong answer ("НЕ" does not); a wrong
// flag that contains "неполный" anywhere (case matters) is a wrong, incomplete answer. Anything
// else, an empty flag included, is right.
Verdict classify(const QString& flag);

// The verdict as a sign and a word, so that it reads without its colour.
QString mark(Verdict verdict);

} // namespace AnswerFlag
