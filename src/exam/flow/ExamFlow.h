#pragma once
// One exam, from the journal row to Журнал_All, without widgets: the registration window, the
// exam window, the result window and zorvek-cli all drive these steps on the data module.
// Failures are thrown as zorvek::Error (DbError for the engine's).
#include "core/Error.h"
#include "core/exam/ExamGrading.h"
#include "core/exam/ExamProgress.h"
#include "core/exam/ExamRegistration.h"

#include <array>

#include <QList>
#include <QSet>
#include <QString>
#include <QVariant>

class TfrmADODataModule;

// The exam cannot go ahead (a short section, a wrong question count ...); the exam is cancelled.
class ExamCannotStart : public zorvek::Error
{
public:
    using zorvek::Error::Error;
};

struct DrawnQuestion {
    int number = 0;    // the question's number in the exam (Вопросы_ответы.Индекс)
    int section = 0;   // 1..9
    int index = 0;     // its Индекс in the section table
};

// A category's row of Критерии_оценки as the exam uses it.
struct ExamCriteriaRow {
    QString category;                 // as asked for (KategoriyaExamena)
    quint8 questionCount = 0;         // Кол_вопросов
    std::array<quint8, 10> quota{};   // По_разделу_1 .. По_разделу_9, indexed 1..9
    ExamGrading::Thresholds thresholds;
};

struct ExamResult {
    int questions = 0;
    int right = 0;
    int wrong = 0;
    ExamGrading::Grade grade;
};

class ExamFlow
{
public:
    explicit ExamFlow(TfrmADODataModule& dataModule);

    TfrmADODataModule& dataModule() const { return m_dm; }

    // Start of the sequence: exam mode and ExamCancelled cleared; the exam the program left
    // unfinished taken up first (graded, then entered in Журнал_All, when every question has its
    // confirmed answer; entered when graded); then Журнал emptied and today's row appended, its
    // stage "регистрация" (one transaction). Returns the operator's message about the exam taken
    // up (whose it was, what was done); empty when there was none.
    QString start();
    // The examinee left before the last answer (or the exam could not go ahead): the next start
    // has nothing to take up.
    void abandon();
    // The stage recorded for the journal row's exam, and whose exam it is ("«ФИО» от дд.мм.гггг").
    ExamProgress::Stage recordedStage() const;
    QString recordedExaminee() const;

    // "Выбор": copies the worker whose Код is `code` into the journal row with today's date, the
    // next-check date and the previous check. Throws when there is no such worker.
    ExamRegistration::Completeness registerWorker(int code);
    // The reason of the check changed: "Первичная" empties the previous-check date, the other two
    // take the latest earlier check of the ФИО. Returns whether the exam may begin.
    bool setReason(const QString& reason);
    // The journal row as the registration window shows it (dates as dd.MM.yyyy).
    ExamRegistration::Row journalRow() const;
    // The journal row's stored values, in column order (Schema::journalColumns()).
    QVariantList journalValues() const;
    // Latest Дата_проверки of Журнал_All for a ФИО (stored form); null when there is none.
    QVariant previousCheck(const QString& fio) const;

    // "Начать экзамен": SystemToka from the journal row.
    void begin();
    // The registration window's closing: finds the category, connects its bank from the data
    // folder and loads the criteria. Returns empty when the exam may go ahead, else the message
    // shown to the operator (ExamCancelled is then set). Does nothing while ExamCancelled is set.
    QString acceptRegistration();
    // Loads the criteria of a category into the shared state (trimmed match); false when the
    // category has no row in Критерии_оценки. Throws when a value is outside 0..255, or a question
    // count or threshold is empty (an empty section quota counts as 0).
    bool loadCriteria(const QString& category);
    // The same row without touching the shared state; false when the category has none.
    bool readCriteria(const QString& category, ExamCriteriaRow* row) const;

    // ExamenationExe: checks the quotas, draws each section's quota among its eligible questions,
    // fills Вопросы_ответы (numbered 1..total section by section) and re-creates Ответы. Opens
    // ADOVoprosy_Otvety and ADOOtvety on them. Throws ExamCannotStart (exam cancelled, nothing
    // drawn) when a section is short or Кол_вопросов differs from the sum of the quotas.
    QList<DrawnQuestion> prepare();

    // The exam's questions and answers.
    int questionCount() const;
    QSet<int> answeredQuestions() const;
    bool isAnswered(int questionNumber) const;
    // Which of the question's answers (1..3) was confirmed; 0 while it has none.
    int confirmedAnswer(int questionNumber) const;
    bool isComplete() const;
    // The first unanswered question after `questionNumber` (wrapping round); 0 when none is left.
    int nextUnanswered(int questionNumber) const;
    // Whether a question of the exam has a third answer (an empty one is none).
    bool hasThirdAnswer(int questionNumber) const;
    // Records answer 1..3 to a question as one Ответы row, committed before it returns. A question
    // already answered, and answer 3 of a question with two answers, are refused with an error.
    void confirm(int questionNumber, int answerNumber);

    // "Просмотр": counts the right answers, grades and writes the journal row (stage "оценён").
    ExamResult grade();
    // "Выход" after the results: appends the journal row to Журнал_All and writes the worker's
    // Дата_сдачи_экзамена, in one transaction (stage "записан"). `resultText`, when not null,
    // replaces the result.
    void finish(const QString& resultText = QString());

private:
    void updateJournal(const QString& assignments, const QVariantList& values);
    // Counts the right answers of Ответы and grades them against `criteria`; writes the journal
    // row and the stage "оценён" inside the caller's transaction.
    ExamResult gradeRow(const ExamCriteriaRow& criteria);
    // Appends the journal row to Журнал_All and dates the worker's record, inside the caller's
    // transaction; the stage becomes "записан".
    void enterRow(const QVariant& workerCode);
    void writeStage(ExamProgress::Stage stage);
    QString takeUpLeftExam();

    TfrmADODataModule& m_dm;
    int m_workerCode = -1;
    bool m_started = false;   // start() ran on this flow: its stages are recorded
};
