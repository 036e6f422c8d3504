#pragma once
// Question bank viewer.
#include <QDialog>

class TfrmBGD_View : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmBGD_View(QWidget* parent = nullptr);
};
