#pragma once
// Builds a complete, consistent data folder for trying the program: BGD.mdb with every main
// table and nine question banks, from the sample sources bundled with the program (demo/).
#include <QString>
#include <QStringList>

namespace DemoData {

struct Report {
    QStringList created;  // files written
    QStringList kept;     // files that existed already and were left untouched
};

// The nine category names in Порядковый_номер order (position 0 is the administrative category).
QStringList categoryNames();
// The section quotas 1..9 (index 0 unused) of the category at a 0-based position; they use only
// the sections offered for that position.
QList<int> quotas(int position);

// Creates `folder` when missing and writes every database file that is not there yet; an
// existing file is never overwritten. Each file is built under a temporary name and renamed into
// place when complete. Throws zorvek::Error on failure.
Report create(const QString& folder);

} // namespace DemoData
