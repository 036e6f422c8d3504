#include "exam/TfrmResultAll.h"

TfrmResultAll::TfrmResultAll(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmResultAll"));
}
