#pragma once
// A question of a section as the text files of the question banks carry it: the text, two or
// three answers, each with its flag line ("Верно", "Неверно", "Ответ верно." ...), and the
// messages the reading of a file gives.
#include <QList>
#include <QString>
#include <array>

namespace QuestionFile {

struct Answer
{
    QString text;
    QString flag;
};

struct Question
{
    QString text;
    std::array<Answer, 3> answers; // answers[2] is used only when answerCount is 3
    int answerCount = 2;
    int line = 0; // line of the file on which the question starts (1-based); 0 when not from a file
};

struct Diagnostic
{
    enum class Kind {
        OutOfBounds,       // the file ended before the second answer's label line
        TruncatedQuestion, // the file ended before the second answer's flag line
    };
    Kind kind;
    int line; // line on which the question concerned starts
    QString text;
};

struct ParseResult
{
    QList<Question> questions;
    QList<Diagnostic> diagnostics;
};

// The exact message shown when the file ends before a question's second answer.
inline const QString OutOfBoundsMessage = QStringLiteral("Ошибка превышения границ");

} // namespace QuestionFile
