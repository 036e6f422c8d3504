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

// How the exam counts a flag: right when the flag as stored begins with "ве" or "Ве" (its grading
// query tests Like "ве%" or "Ве%"; leading blanks make it wrong).
bool examCountsRight(const QString& flag);

// Whether the exam and self-training read the flag alike (right for both, or wrong for both).
bool readersAgree(const QString& flag);

// Whether the flag is exactly "Верно" or "Неверно", as the editor offers them (trailing blanks of
// the fixed-width column aside).
bool isStandard(const QString& flag);

// How the two readers take the flag, in words: "экзамен считает ответ неверным, самоподготовка
// показывает его верным".
QString readings(const QString& flag);

// Why answer `answer` (1..3) with text `text` cannot be saved with `flag`; empty when it can. An
// answer without a flag, or with one the exam and self-training read differently, is refused.
// A third answer without text is no answer and needs no flag.
QString savingProblem(int answer, const QString& text, const QString& flag);

} // namespace AnswerFlag
