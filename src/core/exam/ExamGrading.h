#pragma once
// Grading of an exam from its number of right answers and the category's thresholds.
#include <QString>

namespace ExamGrading {

inline const QString Otlichno = QStringLiteral("Отлично");
inline const QString Khorosho = QStringLiteral("Хорошо");
inline const QString Udovletvoritelno = QStringLiteral("Удовлетворительно");
inline const QString Neudovletvoritelno = QStringLiteral("Неудовлетворительно");
inline const QString Sdal = QStringLiteral("Сдал");
inline const QString NeSdal = QStringLiteral("Не сдал");

// Критерии_оценки.Отлично / Хорошо / Удовлетворительно (least right answers for the grade) and
// Неудовлетворительно (most right answers still graded so).
struct Thresholds {
    int otlichno = 0;
    int khorosho = 0;
    int udovletvoritelno = 0;
    int neudovletvoritelno = 0;
};

struct Grade {
    QString ocenka;     // Оценка
    QString result;     // Результат_проверки_знаний
};

// Applies the four rules in order, a later one overwriting an earlier one; when none applies
// (thresholds with a gap) the grade keeps `previousOcenka`. The result is "Сдал" when the right
// answers reach the threshold of "Удовлетворительно".
Grade grade(int right, const Thresholds& t, const QString& previousOcenka = QString());

} // namespace ExamGrading
