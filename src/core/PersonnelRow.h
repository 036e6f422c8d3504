#pragma once
// Whether a row of the personnel table may be stored, as the grid posts it: a new row nobody
// typed into is dropped rather than stored as a blank worker; a row without the worker's full name
// (or without a staff number) is refused, naming the column.
#include <QHash>
#include <QString>
#include <QVariant>

namespace PersonnelRow {

inline const QString ColumnCode = QStringLiteral("Код");
inline const QString ColumnFio = QStringLiteral("Фамилия_Имя_Отчество");

enum class Verdict { Store, Drop, Refuse };

struct Decision {
    Verdict verdict = Verdict::Store;
    QString column;   // Refuse: the column that must be filled
};

// A value counts as empty when it is null or blank text.
bool isBlank(const QVariant& value);

// `values` by column name. A new row whose every column but Код (which the grid proposes itself) is
// empty is dropped.
Decision decide(const QHash<QString, QVariant>& values, bool newRow);

// "Запись не сохранена: не заполнен столбец «…»." with the column as the grid titles it.
QString refusalMessage(const QString& columnTitle);

} // namespace PersonnelRow
