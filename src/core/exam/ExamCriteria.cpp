#include "core/exam/ExamCriteria.h"

namespace ExamCriteria {

bool isQuotaColumn(const QString& column)
{
    static const QString prefix = QStringLiteral("По_разделу_");
    if (!column.startsWith(prefix))
        return false;
    bool ok = false;
    const int section = column.mid(prefix.size()).toInt(&ok);
    return ok && section >= 1 && section <= 9;
}

Cell read(const QString& category, const QString& column, const QVariant& stored)
{
    Cell cell;
    const QString text = stored.isNull() ? QString() : stored.toString().trimmed();
    if (text.isEmpty()) {
        if (!isQuotaColumn(column))
            cell.error = QStringLiteral("В таблице «Критерии_оценки» для категории «%1» не заполнен столбец «%2»: "
                                        "без него экзамен не может быть проведён и оценён.\rЗаполните его "
                                        "целым числом от 0 до 255.")
                             .arg(category, column);
        return cell;
    }
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < 0 || v > 255) {
        cell.error = QStringLiteral("В таблице «Критерии_оценки» для категории «%1» значение %2 = «%3» "
                                    "должно быть целым числом от 0 до 255.")
                         .arg(category, column, stored.toString());
        return cell;
    }
    cell.value = quint8(v);
    return cell;
}

} // namespace ExamCriteria
