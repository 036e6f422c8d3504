#pragma once
// Detailed results of the exam just finished: one panel per confirmed answer, five visible at a
// time; a click on a question shows or hides the question with all its answers and their flags.
#include <QDialog>
#include <QHash>
#include <QList>

class QAction;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QScrollArea;
class QVBoxLayout;
class Ribbon;

class TfrmResultAll : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmResultAll(QWidget* parent = nullptr);

    // One panel per Ответы row.
    struct Panel {
        QFrame* frame = nullptr;
        QLabel* DBText1 = nullptr;               // the question's number (Номер_вопроса)
        QPlainTextEdit* DBMemo_Vopros = nullptr;
        QPlainTextEdit* DBMemo_Otvet = nullptr;
        QPlainTextEdit* DBMemo_Verno_Neverno = nullptr;
        int questionNumber = 0;
    };

    Ribbon* ribbon = nullptr;
    QAction* actCloseDetail = nullptr;
    QScrollArea* DBCtrlGrid1 = nullptr;
    // The hint of the question last clicked, shown over the panels until the next click.
    QLabel* HintBox = nullptr;

    void FormShow();
    void FormClose();
    // A click on the question box of panel `panel` (0-based).
    void DBMemo_VoprosMouseDown(int panel);
    void actCloseDetailExecute();

    const QList<Panel>& panels() const { return m_panels; }
    // The hint text of a question (stored form, CR line breaks); empty when it is not in the exam.
    QString hintFor(int questionNumber) const;
    // The hint the question box of a panel carries now; empty while hidden.
    QString shownHint(int panel) const;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Question {
        QString text;
        QString answers[3];
        QString flags[3];
    };
    void clearPanels();
    void addPanel(int questionNumber, const QString& question, const QString& answer, const QString& flag);
    void fitPanels();
    void showHintBox(QWidget* questionBox, const QString& text);

    QWidget* m_list = nullptr;
    QVBoxLayout* m_listLayout = nullptr;
    QList<Panel> m_panels;
    QHash<int, Question> m_questions;
    QHash<int, QString> m_shownHints;
    bool m_closing = false;
};
