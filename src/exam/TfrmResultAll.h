#pragma once
// Detailed results of the exam just finished.
#include <QDialog>

class TfrmResultAll : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmResultAll(QWidget* parent = nullptr);
};
