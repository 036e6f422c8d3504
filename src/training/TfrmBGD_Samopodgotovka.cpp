#include "training/TfrmBGD_Samopodgotovka.h"

TfrmBGD_Samopodgotovka::TfrmBGD_Samopodgotovka(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmBGD_Samopodgotovka"));
}
