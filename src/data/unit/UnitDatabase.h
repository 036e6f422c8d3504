#pragma once
// A unit's own data folder, empty of people and questions: BGD.mdb with every main table, the nine
// categories with their exam criteria and the grade tolerances, and the nine question banks with
// empty sections. The unit then brings in its staff list and fills the sections before its first
// exam.
#include <QString>
#include <QStringList>

namespace UnitDatabase {

// The files written, in order.
QStringList files();

// Whether `folder` can take a new unit database: it does not exist yet or holds nothing at all.
// Returns the reason when it cannot, empty when it can.
QString refusal(const QString& folder);

// The least number of right answers for "Отлично", "Хорошо" and "Удовлетворительно" out of
// `questions`, from the tolerances in percent; "Неудовлетворительно" is one below the third.
struct Thresholds
{
    int otlichno = 0, khorosho = 0, udovl = 0, neudovl = 0;
};
Thresholds thresholds(int questions);

// Creates `folder` when missing and writes every file into it; each file is built under a temporary
// name and renamed into place when complete. Refuses a folder that is not empty. On failure nothing
// of the new database is left behind. Returns the files written. Throws zorvek::Error.
QStringList create(const QString& folder);

} // namespace UnitDatabase
