#pragma once
// The main window: a ribbon of commands over a background picture that a data grid replaces
// when a reference table is shown. Closing it ends the program.
#include <QMainWindow>

class TfrmClassificatorZorvek : public QMainWindow
{
    Q_OBJECT
public:
    explicit TfrmClassificatorZorvek(QWidget* parent = nullptr);

    // Start-up work: hint settings, PathExe, PathBD, StrConnect, the main database opened from
    // the working directory.
    void FormCreate();

    // The exam sequence (defined with the exam windows).
    void actExamenationExeExecute();
    // Filling a section of a bank from a text file (defined with the import).
    void actLoadTextExecute();
};
