#include "core/exam/ExamDraw.h"

#include "core/Error.h"

#include <QSet>

#include <algorithm>

namespace ExamDraw {

bool eligibleByMarks(bool hasAcMark, bool hasDcMark, const QString& systemToka)
{
    if (!hasAcMark && !hasDcMark)
        return true;
    if (hasAcMark && systemToka == SystemAc)
        return true;
    return hasDcMark && systemToka == SystemDc;
}

bool VoprosDopustim(const QString& questionText, const QString& systemToka)
{
    return eligibleByMarks(questionText.contains(MarkAc, Qt::CaseSensitive),
                           questionText.contains(MarkDc, Qt::CaseSensitive), systemToka);
}

QList<int> choose(const QList<int>& eligible, int quota, std::mt19937_64& engine)
{
    if (quota < 0 || quota > eligible.size())
        throw zorvek::Error(QStringLiteral("Нельзя выбрать %1 вопросов из %2 допустимых.").arg(quota).arg(eligible.size()));
    // A partial Fisher-Yates shuffle: each step picks uniformly among the numbers not yet chosen.
    QList<int> pool = eligible;
    for (int i = 0; i < quota; ++i) {
        std::uniform_int_distribution<qsizetype> pick(i, pool.size() - 1);
        std::swap(pool[i], pool[pick(engine)]);
    }
    QList<int> chosen = pool.mid(0, quota);
    std::sort(chosen.begin(), chosen.end());
    return chosen;
}

bool sample(int lo, int hi, int quota, const std::function<bool(int)>& isEligible, std::mt19937_64& engine,
            int maxAttempts, QList<int>* chosen)
{
    chosen->clear();
    if (quota <= 0)
        return true;
    if (hi < lo)
        return false;
    QSet<int> taken;
    QSet<int> refused;
    std::uniform_int_distribution<int> pick(lo, hi);
    for (int attempt = 0; attempt < maxAttempts && taken.size() < quota; ++attempt) {
        const int k = pick(engine);
        if (taken.contains(k) || refused.contains(k))
            continue;
        if (isEligible(k))
            taken.insert(k);
        else
            refused.insert(k);
    }
    if (taken.size() < quota)
        return false;
    *chosen = QList<int>(taken.begin(), taken.end());
    std::sort(chosen->begin(), chosen->end());
    return true;
}

QStringList quotaProblems(const Supply& s)
{
    QStringList problems;
    int sum = 0;
    for (int section = 1; section <= 9; ++section) {
        const int q = s.quota[section];
        sum += q;
        if (q > s.eligible[section])
            problems << QStringLiteral("раздел %1 (таблица «Раздел_%1»): по критериям нужно %2 вопр., "
                                       "а допустимых для участков %3 в нём только %4")
                            .arg(section)
                            .arg(q)
                            .arg(s.systemToka.isEmpty() ? QStringLiteral("(система тока не указана)") : s.systemToka)
                            .arg(s.eligible[section]);
    }
    if (s.questionCount != sum)
        problems << QStringLiteral("Кол_вопросов = %1, а сумма вопросов по разделам = %2").arg(s.questionCount).arg(sum);
    if (sum == 0 && s.questionCount == 0)
        problems << QStringLiteral("по критериям оценки экзамен не содержит ни одного вопроса");
    return problems;
}

QString quotaMessage(const Supply& s, const QStringList& problems)
{
    return QStringLiteral("Экзамен не может быть проведён: вопросы для категории специалиста «%1» подобрать нельзя.\r")
               .arg(s.category)
           + problems.join(QLatin1String(";\r")) + QLatin1Char('.')
           + QStringLiteral("\rИсправьте таблицу «Критерии_оценки» или дополните разделы базы вопросов. "
                            "Режим экзамена завершается");
}

} // namespace ExamDraw
