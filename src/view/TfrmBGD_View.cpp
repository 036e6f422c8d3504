#include "view/TfrmBGD_View.h"

TfrmBGD_View::TfrmBGD_View(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmBGD_View"));
}
