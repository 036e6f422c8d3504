#pragma once
// Rules of the examinee's registration: whether the journal row holds all that the exam needs,
// and the operator's messages.
#include <QString>

namespace ExamRegistration {

inline const QString ReasonPervichnaya = QStringLiteral("Первичная");
inline const QString ReasonPeriodicheskaya = QStringLiteral("Периодическая");
inline const QString ReasonVneocherednaya = QStringLiteral("Внеочередная");

// One of the three reasons of a check, exactly as written above.
bool isReason(const QString& text);
// "Причина проверки знаний «…» не из списка: …".
QString unknownReasonMessage(const QString& text);

// The journal row's boxes as the registration window shows them.
struct Row {
    QString category, fio, post, unit, previousCheck, checkDate, nextCheck, system, experience, reason;
};

enum class Completeness {
    Complete,
    MissingWorkerData,   // a box filled from Персонал is empty
    NoPreviousCheck,     // only the previous-check date is missing: no earlier check in the journal
};

Completeness check(const Row& row);

// Whether "Начать экзамен" may be enabled: category, ФИО, post, unit, reason and system filled.
bool canBegin(const Row& row);

// "Введена не вся информция об экзаменуемом работнике!" ... (three lines).
QString incompleteMessage();
// No earlier check of the worker while the reason asks for one: choose "Первичная".
QString noPreviousCheckMessage(const QString& fio);
// "Категория специалиста не найдена." / "Режим экзамена завершается".
QString categoryNotFoundMessage();

} // namespace ExamRegistration
