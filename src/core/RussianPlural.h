#pragma once
// Russian nouns after a number: "1 вопрос", "3 вопроса", "5 вопросов", "11 вопросов", "21 вопрос".
#include <QString>

namespace RussianPlural {

// The form of a noun that agrees with `n`: `one` for 1, 21, 101 …; `few` for 2–4, 22–24 …;
// `many` for 0, 5–20, 25–30 … (and for 11–14 whatever their last digit).
const QString& form(qint64 n, const QString& one, const QString& few, const QString& many);

// `n` followed by a blank and the agreeing form: count(3, "вопрос", "вопроса", "вопросов") gives
// "3 вопроса".
QString count(qint64 n, const QString& one, const QString& few, const QString& many);

// The forms used in the program's messages.
QString questions(qint64 n);  // "вопрос"
QString pictures(qint64 n);   // "рисунок"
QString categories(qint64 n); // "категория"

} // namespace RussianPlural
