#pragma once
// Specialist categories: the bank file of each position, the sections offered, the check interval.
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace Categories {

// The one category name the program itself knows: its next check comes 36 months later, not 12.
inline const QString AdminCategory =
    QStringLiteral("Административно технический персонал - ответственные за электрохозяйство и работники их замещающие");

inline constexpr int BankCount = 9;
inline constexpr int SectionCount = 9;

// Bank file of a 0-based category position in the Порядковый_номер order; empty outside 0..8.
QString bankFileForPosition(int position);
// All nine bank file names in position order.
QStringList bankFiles();

// 0-based place of the first category whose name equals `name` exactly; -1 when none does.
int findPosition(const QStringList& namesInOrder, const QString& name);

// "Раздел_1" .. "Раздел_9".
QString sectionTableName(int section);
// The section number of a section table name ("Раздел_3" -> 3); 0 when it is none.
int sectionNumber(const QString& tableName);

// Whether a section is offered for the category at the 1-based position:
// positions 1..4 all nine; position 5 all but 7 and 8; positions 6..9 all but 6, 7 and 8.
bool sectionOffered(int position1, int section);

// Next knowledge check: 36 months after `examDay` for the administrative category, else 12;
// the day of the month is clamped to the end of the resulting month.
QDate nextCheckDate(const QDate& examDay, const QString& category);

} // namespace Categories
