#pragma once
// The print window: never shown, it carries the print menu whose items the main window's print
// commands trigger. Each item is one job: the protocol of today's exams, the journal, the
// question list of one of the nine categories (made from its bank as it is now), or a copy of
// the operating manual; the result is opened in the desktop's application for .docx files.
#include <QMainWindow>
#include <functional>

class QAction;
class QUrl;

class TfrmGurnal : public QMainWindow
{
    Q_OBJECT
public:
    explicit TfrmGurnal(QWidget* parent = nullptr);

    // The menu items, named as the main window finds them.
    QAction* N3 = nullptr;    // "Печать протокола"
    QAction* Word1 = nullptr; // "Загрузить Word" (the journal)
    QAction* N18 = nullptr;   // "Печать руководства по эксплуатации"
    QAction* N4 = nullptr;
    QAction* N5 = nullptr;
    QAction* N6 = nullptr;
    QAction* N7 = nullptr;
    QAction* N8 = nullptr;
    QAction* N9 = nullptr;
    QAction* N10 = nullptr;
    QAction* N11 = nullptr;
    QAction* N19 = nullptr;
    QAction* GurnalXlsx = nullptr; // "Журнал в XLSX": the journal as a spreadsheet

    // How a finished document is shown; QDesktopServices::openUrl unless a test replaces it.
    // Returns false when nothing could open it.
    using OpenUrl = std::function<bool(const QUrl&)>;
    static void setOpenUrlHook(OpenUrl hook);

public slots:
    void N3Click();
    void Word1Click();
    void N4Click();
    void N5Click();
    void N6Click();
    void N7Click();
    void N8Click();
    void N9Click();
    void N10Click();
    void N11Click();
    void N18Click();
    void N19Click();
    // Asks where to save, writes Журнал_All as an .xlsx sheet and opens it.
    void GurnalXlsxClick();

private:
    QAction* addItem(const QString& name, const QString& caption, void (TfrmGurnal::*handler)());
    // Runs a job that returns the file to show (and, maybe, a note on where it went).
    void runJob(const std::function<QPair<QString, QString>()>& job);
    void openCategoryDocument(int position);
    void openDelivered(const QString& fileName);
    void showResult(const QString& path, const QString& notice);
};
