#include "core/exam/ExamRegistration.h"

namespace ExamRegistration {

namespace {
bool filled(const QString& s)
{
    return !s.trimmed().isEmpty();
}
} // namespace

bool isReason(const QString& text)
{
    return text == ReasonPervichnaya || text == ReasonPeriodicheskaya || text == ReasonVneocherednaya;
}

QString unknownReasonMessage(const QString& text)
{
    return QStringLiteral("Причина проверки знаний «%1» не из списка: нужна одна из «%2», «%3», «%4».")
        .arg(text, ReasonPervichnaya, ReasonPeriodicheskaya, ReasonVneocherednaya);
}

Completeness check(const Row& r)
{
    for (const QString* s : {&r.category, &r.fio, &r.post, &r.unit, &r.checkDate, &r.nextCheck, &r.system,
                             &r.experience, &r.reason}) {
        if (!filled(*s))
            return Completeness::MissingWorkerData;
    }
    if (!filled(r.previousCheck) && r.reason != ReasonPervichnaya)
        return Completeness::NoPreviousCheck;
    return Completeness::Complete;
}

bool canBegin(const Row& r)
{
    for (const QString* s : {&r.category, &r.fio, &r.post, &r.unit, &r.reason, &r.system}) {
        if (!filled(*s))
            return false;
    }
    return true;
}

QString incompleteMessage()
{
    return QStringLiteral("Введена не вся информция об экзаменуемом работнике!\r"
                          "Недостающую информацию следует ввести в таблицу \"Персонал\" базы данных.\r"
                          "Выполняется работниками, эксплуатирующими Классификатор ЗОРВЕК.");
}

QString noPreviousCheckMessage(const QString& fio)
{
    return QStringLiteral("В журнале проверки знаний нет предыдущей проверки работника «%1».\r"
                          "Если проверка знаний первичная, выберите причину проверки «Первичная».")
        .arg(fio);
}

QString categoryNotFoundMessage()
{
    return QStringLiteral("Категория специалиста не найдена.\rРежим экзамена завершается");
}

} // namespace ExamRegistration
