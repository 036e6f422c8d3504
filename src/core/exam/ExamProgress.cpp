#include "core/exam/ExamProgress.h"

#include <array>
#include <utility>

namespace ExamProgress {

namespace {
const std::array<std::pair<Stage, const char*>, 5> Words{{
    {Stage::Registration, "регистрация"},
    {Stage::Answering, "экзамен"},
    {Stage::Graded, "оценён"},
    {Stage::Entered, "записан"},
    {Stage::Abandoned, "прекращён"},
}};
} // namespace

QString toText(Stage stage)
{
    for (const auto& [s, word] : Words) {
        if (s == stage)
            return QString::fromUtf8(word);
    }
    return QString();
}

Stage fromText(const QString& text)
{
    const QString t = text.trimmed();
    for (const auto& [s, word] : Words) {
        if (t == QString::fromUtf8(word))
            return s;
    }
    return Stage::None;
}

Recovery recoveryFor(Stage stage, int questions, int answered)
{
    switch (stage) {
    case Stage::Answering:
        if (questions > 0 && answered >= questions)
            return Recovery::GradeAndEnter;
        return Recovery::ReportCut;
    case Stage::Graded:
        return Recovery::Enter;
    default:
        return Recovery::Nothing;
    }
}

bool workingTablesFree(Stage stage)
{
    return stage != Stage::Answering && stage != Stage::Graded;
}

QString examOf(const QString& fio, const QString& checkDate)
{
    const QString name = fio.trimmed().isEmpty() ? QStringLiteral("(ФИО не записано)") : fio;
    if (checkDate.isEmpty())
        return QStringLiteral("«%1»").arg(name);
    return QStringLiteral("«%1» от %2").arg(name, checkDate);
}

namespace {
QString outcome(const QString& ocenka, const QString& result)
{
    return ocenka.isEmpty() ? QStringLiteral("результат «%1»").arg(result)
                            : QStringLiteral("оценка «%1», результат «%2»").arg(ocenka, result);
}
} // namespace

QString gradedNowMessage(const QString& who, const QString& ocenka, const QString& result)
{
    return QStringLiteral("Экзамен работника %1 был закончен (на все вопросы подтверждены ответы), но не оценён: "
                          "программа была закрыта до оценки.\rЭкзамен оценён сейчас (%2) и записан в журнал "
                          "проверки знаний.")
        .arg(who, outcome(ocenka, result));
}

QString enteredNowMessage(const QString& who, const QString& ocenka, const QString& result)
{
    return QStringLiteral("Результат экзамена работника %1 (%2) не был записан в журнал проверки знаний: "
                          "программа была закрыта до команды «Выход».\rРезультат записан в журнал сейчас.")
        .arg(who, outcome(ocenka, result));
}

QString cutOffMessage(const QString& who, int answered, int questions)
{
    return QStringLiteral("Экзамен работника %1 был прерван: подтверждено ответов — %2 из %3.\r"
                          "Экзамен без ответов на все вопросы не оценивается; в журнал проверки знаний он не "
                          "записан.")
        .arg(who)
        .arg(answered)
        .arg(questions);
}

QString cannotGradeMessage(const QString& who, const QString& reason)
{
    return QStringLiteral("Экзамен работника %1 был закончен, но не может быть оценён: %2\r"
                          "В журнал проверки знаний он не записан.")
        .arg(who, reason);
}

QString tablesBusyMessage(Stage stage, const QString& who)
{
    if (stage == Stage::Graded)
        return QStringLiteral("экзамен работника %1 оценён, но ещё не записан в журнал проверки знаний "
                              "(команда «Выход»); выбор вопросов заменил бы его таблицы. Запишите результат "
                              "или начните следующий экзамен: программа запишет его сама.")
            .arg(who);
    return QStringLiteral("идёт экзамен работника %1 (или программа была закрыта во время него); выбор вопросов "
                          "заменил бы его вопросы и ответы. Дождитесь конца экзамена или начните следующий "
                          "экзамен: законченный экзамен будет оценён и записан в журнал.")
        .arg(who);
}

} // namespace ExamProgress
