#pragma once
// Examinee registration and result window.
#include <QDialog>

class TfrmResult : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmResult(QWidget* parent = nullptr);
};
