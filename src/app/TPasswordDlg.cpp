#include "app/TPasswordDlg.h"

TPasswordDlg::TPasswordDlg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TPasswordDlg"));
}
