#include "core/PersonnelRow.h"

namespace PersonnelRow {

bool isBlank(const QVariant& value)
{
    return value.isNull() || value.toString().trimmed().isEmpty();
}

Decision decide(const QHash<QString, QVariant>& values, bool newRow)
{
    if (newRow) {
        bool untouched = true;
        for (auto it = values.cbegin(); it != values.cend() && untouched; ++it)
            untouched = it.key() == ColumnCode || isBlank(it.value());
        if (untouched)
            return {Verdict::Drop, QString()};
    }
    if (isBlank(values.value(ColumnFio)))
        return {Verdict::Refuse, ColumnFio};
    if (isBlank(values.value(ColumnCode)))
        return {Verdict::Refuse, ColumnCode};
    return {};
}

QString refusalMessage(const QString& columnTitle)
{
    return QStringLiteral("Запись не сохранена: не заполнен столбец «%1».\rЗаполните его или отмените "
                          "редактирование строки (команда «Отменить редактирование»).")
        .arg(columnTitle);
}

} // namespace PersonnelRow
