#pragma once
// Reading one cell of a category's row in Критерии_оценки. Every value is an unsigned byte
// (0..255). An empty section quota draws nothing from the section (0, as a value read as a byte
// would be); an empty question count or threshold leaves the exam without a rule, so it refuses.
#include <QString>
#include <QVariant>

namespace ExamCriteria {

// By the column's name: По_разделу_1 .. По_разделу_9.
bool isQuotaColumn(const QString& column);

struct Cell {
    quint8 value = 0;
    QString error;   // the operator's message; empty when the value can be used
};

Cell read(const QString& category, const QString& column, const QVariant& stored);

} // namespace ExamCriteria
