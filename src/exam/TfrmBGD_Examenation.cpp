#include "exam/TfrmBGD_Examenation.h"

TfrmBGD_Examenation::TfrmBGD_Examenation(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmBGD_Examenation"));
}
