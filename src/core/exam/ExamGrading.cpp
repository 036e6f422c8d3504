#include "core/exam/ExamGrading.h"

namespace ExamGrading {

Grade grade(int right, const Thresholds& t, const QString& previousOcenka)
{
    Grade g;
    g.ocenka = previousOcenka;
    if (right >= t.otlichno)
        g.ocenka = Otlichno;
    if (t.khorosho <= right && right < t.otlichno)
        g.ocenka = Khorosho;
    if (t.udovletvoritelno <= right && right < t.khorosho)
        g.ocenka = Udovletvoritelno;
    if (right <= t.neudovletvoritelno)
        g.ocenka = Neudovletvoritelno;
    g.result = right >= t.udovletvoritelno ? Sdal : NeSdal;
    return g;
}

} // namespace ExamGrading
