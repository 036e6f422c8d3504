#pragma once
// How far the exam of the journal row got, as the program records it beside the row, and what
// the next exam start makes of it. Only a stage the program itself recorded is ever taken up: a
// journal row that merely looks graded, or a Журнал_All row removed by hand, is left alone.
#include <QString>

namespace ExamProgress {

enum class Stage {
    None,          // nothing recorded (a data folder from before stages were kept)
    Registration,  // today's row appended, the examinee being registered
    Answering,     // the questions drawn; answers are being confirmed
    Graded,        // "Просмотр" wrote the grade; "Выход" has not entered it yet
    Entered,       // the row is in Журнал_All
    Abandoned,     // left before the last answer, or cancelled at registration
};

// The stored words of the stages ("регистрация", "экзамен" ...); Stage::None for any other text.
QString toText(Stage stage);
Stage fromText(const QString& text);

// What the next exam start does with the exam left behind.
enum class Recovery {
    Nothing,
    GradeAndEnter,  // every question has its confirmed answer, but no grade: grade it, then enter it
    Enter,          // graded, never entered
    ReportCut,      // cut off before the last answer: there is no result, the operator is told
};

Recovery recoveryFor(Stage stage, int questions, int answered);

// Whether another draw may replace the exam's working tables (Вопросы_ответы, Ответы): not while
// an exam is being answered or its result is still to be graded or entered.
bool workingTablesFree(Stage stage);

// The operator's messages. `who` names the examinee and the day ("«Иванов И. И.» от 09.12.2026").
QString examOf(const QString& fio, const QString& checkDate);
QString gradedNowMessage(const QString& who, const QString& ocenka, const QString& result);
QString enteredNowMessage(const QString& who, const QString& ocenka, const QString& result);
QString cutOffMessage(const QString& who, int answered, int questions);
QString cannotGradeMessage(const QString& who, const QString& reason);
// Why zorvek-cli draw refuses to replace the working tables.
QString tablesBusyMessage(Stage stage, const QString& who);

} // namespace ExamProgress
