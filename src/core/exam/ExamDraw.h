#pragma once
// The exam draw's rules: which questions suit the examinee's traction-current system, whether
// the category's quotas can be met, and the random choice of a section's questions.
#include <QList>
#include <QString>
#include <array>
#include <functional>
#include <random>

namespace ExamDraw {

// The marks a question text carries when it is meant for one system only (Cyrillic "а" and "б").
inline const QString MarkAc = QStringLiteral("а) Участки переменного тока");
inline const QString MarkDc = QStringLiteral("б) Участки постоянного тока");
inline const QString SystemAc = QStringLiteral("переменного тока");
inline const QString SystemDc = QStringLiteral("постоянного тока");

// Eligibility from the marks found in a question: unmarked questions suit both systems, a
// question with both marks suits either, a marked one only its own system. Exact comparison of
// the system text; an unknown system gets only unmarked questions.
bool eligibleByMarks(bool hasAcMark, bool hasDcMark, const QString& systemToka);
// The same test on a question text (exact, case-sensitive search of the marks).
bool VoprosDopustim(const QString& questionText, const QString& systemToka);

// Chooses `quota` distinct numbers uniformly among `eligible` and returns them in ascending
// order. Throws zorvek::Error when there are fewer eligible numbers than the quota.
QList<int> choose(const QList<int>& eligible, int quota, std::mt19937_64& engine);

// Draws `quota` distinct numbers from lo..hi by rejection: a number is drawn uniformly, and
// dropped when `isEligible` says no (no such question, or not for this system) or it is already
// drawn. Each accepted number is thus uniform among the eligible numbers not yet drawn, and only
// the questions drawn are looked at. Gives up after `maxAttempts` draws (a short or sparse
// section) and returns false; the caller then chooses from the full list of eligible numbers.
bool sample(int lo, int hi, int quota, const std::function<bool(int)>& isEligible, std::mt19937_64& engine,
            int maxAttempts, QList<int>* chosen);

// What the quota check knows of a category: quotas and eligible counts of sections 1..9
// (index 0 unused), and the exam's question count.
struct Supply {
    QString category;
    QString systemToka;
    int questionCount = 0;             // Критерии_оценки.Кол_вопросов
    std::array<int, 10> quota{};       // По_разделу_1 .. По_разделу_9
    std::array<int, 10> eligible{};    // eligible questions of Раздел_1 .. Раздел_9
};

// Checks every section's quota against its eligible count and the question count against the
// sum of the quotas. Returns one Russian line per problem; empty when the exam can be drawn.
QStringList quotaProblems(const Supply& supply);
// The whole message shown to the operator when quotaProblems() is not empty.
QString quotaMessage(const Supply& supply, const QStringList& problems);

} // namespace ExamDraw
