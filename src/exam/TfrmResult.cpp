#include "exam/TfrmResult.h"

TfrmResult::TfrmResult(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmResult"));
}
