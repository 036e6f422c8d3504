#pragma once
// Self-training window.
#include <QDialog>

class TfrmBGD_Samopodgotovka : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmBGD_Samopodgotovka(QWidget* parent = nullptr);
};
