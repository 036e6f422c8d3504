#include "select/TfrmOpenBD.h"

TfrmOpenBD::TfrmOpenBD(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmOpenBD"));
}
