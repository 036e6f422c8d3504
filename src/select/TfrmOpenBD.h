#pragma once
// Category and section chooser.
#include <QDialog>

class TfrmOpenBD : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmOpenBD(QWidget* parent = nullptr);
};
