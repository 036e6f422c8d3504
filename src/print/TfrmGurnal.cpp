#include "print/TfrmGurnal.h"

TfrmGurnal::TfrmGurnal(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TfrmGurnal"));
}
