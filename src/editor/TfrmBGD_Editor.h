#pragma once
// Question bank editor.
#include <QDialog>

class TfrmBGD_Editor : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmBGD_Editor(QWidget* parent = nullptr);
};
