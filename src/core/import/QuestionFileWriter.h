#pragma once
// Writes the questions of a section as a question file that reads back to the same texts and
// flags (see QuestionFileParser.h for the format).
//
// Layout of each question, every line ended by CR LF:
//   <marker><first line of the text>      "3." + "12. Какие …" gives «3.12. Какие …»
//   <further lines of the text>
//   Отв.1.<first line of the answer>      «Отв.1..» when that line does not begin with "А".."я"
//   <further lines of the answer>
//   <flag>                                 the stored flag, trimmed
//   … the same for the second and, for a three-answer question, the third answer.
//
// The question number: reading a file drops the marker's two characters and keeps the rest of
// the first line, so an imported text keeps its own number («12. Какие …»). Writing puts the
// marker straight before the stored text, which gives back «3.12. Какие …»; the number in the
// text is not renumbered, and a text with no number reads back without one.
//
// Reading trims every line, so leading and trailing blanks of a text's lines and blank-only
// lines at the ends of lines are not kept, except leading blanks of a first line. Some stored
// texts cannot pass through the format unchanged: a question's first line containing "Отв",
// "Верно" or "верно", a later line of the question containing "Отв.", a later line of an
// answer containing "Верно" or "верно", a flag without "Верно"/"верно", an answer's first line that
// begins with a full stop. roundTripProblems() names such questions.
#include "core/import/QuestionFile.h"

#include <QByteArray>
#include <QStringView>

namespace QuestionFile {

// The file's text with CR LF line ends; the first line is `title`.
QString format(const QString& title, QStringView marker, const QList<Question>& questions);

// The file's bytes: Windows-1251, or UTF-8 after a byte-order mark when the text holds a
// character Windows-1251 has no place for (`*utf8` tells which).
QByteArray encode(const QString& text, bool* utf8 = nullptr);

// The lines of a stored text: line ends CR LF, LF, CR or U+2029; one line end at the end of the
// text closes the last line and does not start another.
QStringList splitLines(QStringView text);

// What a stored text becomes after writing and reading it back: its lines trimmed (the first
// only at its end), each followed by one CR.
QString canonicalText(QStringView text);
// A flag as it reads back: trimmed.
QString canonicalFlag(QStringView flag);

// Whether `read` is what reading back a file holding `written` gives.
bool sameAfterRoundTrip(const Question& written, const Question& read);

// 1-based positions of the questions that would not read back unchanged, each with the reason.
struct RoundTripProblem
{
    int number;
    QString reason;
};
QList<RoundTripProblem> roundTripProblems(QStringView marker, const QList<Question>& questions);

} // namespace QuestionFile
