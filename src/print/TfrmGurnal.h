#pragma once
// Hidden window carrying the print menu.
#include <QMainWindow>

class TfrmGurnal : public QMainWindow
{
    Q_OBJECT
public:
    explicit TfrmGurnal(QWidget* parent = nullptr);
};
