#include "core/Global.h"

namespace Global {

void resetAll()
{
    Stroka.clear();
    StrConnect.clear();
    PathExe.clear();
    PathBD.clear();
    RegimRaboty = RegimNone;
    KolZapisey = 0;
    VyborSet.clear();
    KategoriyaExamena.clear();
    ParolVveden = 0;
    ExamCancelled = 0;
    SystemToka.clear();
    KolVoprosovPoRazdelu = 0;
    KolVoprosov = 0;
    KolVoprosovRazdel.fill(0);
    PorogOtlichno = PorogKhorosho = PorogUdovletvoritelno = PorogNeudovletvoritelno = 0;
    KolOtvetov = 0;
    NomerOtveta = 0;
    NameKategorii.clear();
    NameRazdela.clear();
    PokazPodskazki = 1;
}

} // namespace Global
