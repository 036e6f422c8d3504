#pragma once
// A question of a section as the text files of the question banks carry it: the text, two or
// three answers, each with its flag line ("Верно", "Неверно", "Ответ верно." ...), and the
// messages the reading of a file gives.
#include <QByteArray>
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
    int line = 0;       // line of the file on which the question starts (1-based); 0 when not from a file
    QByteArray picture; // Фото, the bytes of a picture file; empty when the question has none
};

struct Diagnostic
{
    enum class Kind {
        OutOfBounds,       // the file ended before the second answer's label line
        TruncatedQuestion, // the file ended before the second answer's flag line
        SkippedStart,      // a line beginning with the marker holds "Отв", "Верно" or "верно"
        StartIsLastLine,   // a question's first line is the file's last line
    };
    Kind kind;
    int line; // line on which the question concerned starts
    QString text;
};

// The character encoding a file was read in.
enum class Encoding { Windows1251, Utf8, Utf16 };
QString encodingName(Encoding encoding);

struct ParseResult
{
    QList<Question> questions;
    QList<Diagnostic> diagnostics;
    Encoding encoding = Encoding::Windows1251;
    int lineCount = 0; // lines read, the title included
    // While seeking a question: how many lines began with each digit and a full stop ("2." …),
    // so that a file of another section can be told apart from a file without questions.
    std::array<int, 10> startsByDigit{};
};

// The exact message shown when the file ends before a question's second answer.
inline const QString OutOfBoundsMessage = QStringLiteral("Ошибка превышения границ");

} // namespace QuestionFile
