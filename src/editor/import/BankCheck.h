#pragma once
// Checks the question banks and the exam criteria of a data folder against what the exam and the
// editor rely on:
//   - every category's bank holds Раздел_1 .. Раздел_9 with the question columns in their order,
//     and the table Выбор;
//   - Индекс of every section runs 1..N without gaps or repeats, and no section exceeds 255
//     questions;
//   - every answer flag is exactly "Верно" or "Неверно"; any other flag, an empty one included,
//     is reported with how the exam and self-training read it: as a problem when they read it
//     differently («Ответ верно.», empty), as a note when alike («Неверно, неполный ответ»);
//   - for each category and each traction-current system, every section quota is covered by
//     questions eligible for that system;
//   - Кол_вопросов equals the sum of the quotas; the thresholds are in order without a gap, and
//     "Отлично" can be reached;
//   - Количество_вопросов_по_разделам holds the real number of questions of every section.
// Reading only: nothing is written.
#include <QString>
#include <QStringList>

class TfrmADODataModule;

namespace BankCheck {

struct Report
{
    QStringList problems;
    QStringList notes;
};

// One line per problem or note, naming the category, the section and the question concerned.
// `folder` is the data folder (ending with a separator).
Report review(TfrmADODataModule& dataModule, const QString& folder);
// The problems of review().
QStringList run(TfrmADODataModule& dataModule, const QString& folder);

} // namespace BankCheck
