#include "editor/TfrmBGD_Editor.h"

TfrmBGD_Editor::TfrmBGD_Editor(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TfrmBGD_Editor"));
}
