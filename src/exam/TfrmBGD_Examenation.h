#pragma once
// Exam window: puts the drawn questions to the examinee.
#include <QDialog>

class TfrmBGD_Examenation : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmBGD_Examenation(QWidget* parent = nullptr);
};
