#pragma once
// The editor's rules against the section's registered question count K (the first K questions in
// Индекс order are registered: the exam relies on them and they are never edited). Positions are
// 1-based in Индекс order; 0 means "no question".
#include <QList>
#include <QString>
#include <optional>

namespace EditorRules {

bool isRegistered(int registered, int position);
// A question added since the page was shown is never a registered one, whatever the count says
// (a count larger than the rows is the usual state after importing a shorter file).
bool isRegistered(int registered, int position, bool addedSinceShown);

// The page opens on the last registered question. A count of 0 (the section is not listed) opens
// on the first question; a count above the rows opens on the last one; an empty section on none.
int openingPosition(int registered, int rowCount);

// "Первая": the first added question, K + 1; none when no question has been added.
std::optional<int> firstPosition(int registered, int rowCount);

// "Предыдущая": one back, but never onto a registered question (stays put otherwise).
int priorPosition(int registered, int position);

// "Следующая": the page unlocks when the question left is past the registered ones (the test is
// made on the position before the move); the move stops at the last question.
struct NextStep
{
    bool unlock = false;
    int position = 0;
};
NextStep next(int registered, int position, int rowCount);

// "Последняя".
int lastPosition(int rowCount);

// Whether the boxes of the page accept typing: the page is unlocked and the question shown is
// not a registered one.
bool editable(bool unlocked, int registered, int position, bool addedSinceShown = false);

// The Индекс of a new question: one more than the largest present (1 in an empty section), so a
// deletion never makes a number repeat.
int nextIndex(const QList<int>& indexes);

// The confirmation asked before "Удалить".
QString deletePrompt(int number, bool registered);

} // namespace EditorRules
