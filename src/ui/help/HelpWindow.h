#pragma once
// The program's help: one window of bundled HTML pages (":/help/"), one at a time. A help command
// raises the window when it is open (keeping the page it shows) and opens it at its topic otherwise.
#include <QWidget>

class QTextBrowser;

class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    // Topics of the help commands and of F1 in the mode windows.
    enum Topic { ViewMode = 1, ExamMode = 2, SelfTrainingMode = 3, EditingMode = 4, PersonnelTable = 5 };

    // Raises the open help window (restoring it when minimised) without changing its page, or opens
    // a new window at `topic` (the contents page for an unknown topic).
    static void showTopic(int topic);
    // At program end.
    static void closeIfOpen();
    static bool isOpen();
    static HelpWindow* instance();
    // The topic of the page shown now (0 for the contents or another page); 0 when no window is open.
    static int currentTopic();

    // The page of a topic inside the resources.
    static QUrl topicUrl(int topic);

private:
    explicit HelpWindow(QWidget* parent = nullptr);
    void attachToModalWindow();

    QTextBrowser* m_browser = nullptr;
};
