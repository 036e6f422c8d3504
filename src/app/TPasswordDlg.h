#pragma once
// Password dialog guarding the staff-only commands.
#include <QDialog>

class TPasswordDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TPasswordDlg(QWidget* parent = nullptr);
};
